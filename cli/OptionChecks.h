#pragma once

#include <map>
#include <string>
#include <type_traits>
#include <vector>

#include <CLI/CLI.hpp>

namespace mirvane {

// The checks of option values, each refusing with its own sentence (the
// argument parser puts the option's name before it).

// One of the names of Names, taken as the value it stands for; the value's
// number itself ("--format 1") is not a name.
std::string NotOneOf(const std::string& Value, const std::string& Listed);

template <typename Enum>
CLI::Validator NamedChoice(const std::map<std::string, Enum>& Names)
{
    std::string Listed;
    for (const auto& [Name, Value] : Names)
        Listed += (Listed.empty() ? "" : ", ") + Name;
    return CLI::Validator(
        [Names, Listed](std::string& Value) -> std::string {
            const auto Found = Names.find(Value);
            if (Found == Names.end())
                return NotOneOf(Value, Listed);
            Value = std::to_string(static_cast<std::underlying_type_t<Enum>>(Found->second));
            return {};
        },
        "");
}

// One of Names, kept as typed.
CLI::Validator OneOf(const std::vector<std::string>& Names);

// A finite number from Min to Max ("nan", "inf", "1e999" and "abc" are not).
CLI::Validator NumberFromTo(double Min, double Max);

// A whole number from Min to Max.
CLI::Validator WholeNumberFromTo(long long Min, long long Max);

}  // namespace mirvane
