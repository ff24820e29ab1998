#include "cli/OptionChecks.h"

#include <charconv>
#include <cmath>

namespace mirvane {
namespace {

std::string Shown(double Number)
{
    std::string Text = std::to_string(Number);
    Text.erase(Text.find_last_not_of('0') + 1);
    if (Text.back() == '.')
        Text.pop_back();
    return Text;
}

template <typename Number>
bool ReadWhole(const std::string& Text, Number& Value)
{
    const char* End = Text.data() + Text.size();
    const char* Start = Text.data() + (Text.starts_with('+') ? 1 : 0);
    const auto [Stop, Error] = std::from_chars(Start, End, Value);
    return Error == std::errc{} && Stop == End && Start != End;
}

}  // namespace

std::string NotOneOf(const std::string& Value, const std::string& Listed)
{
    return "\"" + Value + "\" is not one of " + Listed;
}

CLI::Validator OneOf(const std::vector<std::string>& Names)
{
    std::string Listed;
    for (const std::string& Name : Names)
        Listed += (Listed.empty() ? "" : ", ") + Name;
    return CLI::Validator(
        [Names, Listed](std::string& Value) -> std::string {
            return std::ranges::find(Names, Value) == Names.end() ? NotOneOf(Value, Listed) : std::string();
        },
        "");
}

CLI::Validator NumberFromTo(double Min, double Max)
{
    return CLI::Validator(
        [Min, Max](std::string& Value) -> std::string {
            double Number = 0;
            if (!ReadWhole(Value, Number) || !std::isfinite(Number) || Number < Min || Number > Max)
                return "\"" + Value + "\" is not a number from " + Shown(Min) + " to " + Shown(Max);
            return {};
        },
        "");
}

CLI::Validator WholeNumberFromTo(long long Min, long long Max)
{
    return CLI::Validator(
        [Min, Max](std::string& Value) -> std::string {
            long long Number = 0;
            if (!ReadWhole(Value, Number) || Number < Min || Number > Max)
                return "\"" + Value + "\" is not a whole number from " + std::to_string(Min) + " to " +
                       std::to_string(Max);
            return {};
        },
        "");
}

}  // namespace mirvane
