#include "learning/ReadingText.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "engine/HebrewNumeral.h"

namespace mirvane {

namespace {

constexpr std::string_view Geresh = "\u05F3";
constexpr std::string_view Gershayim = "\u05F4";

}  // namespace

void AppendNumber(std::string& Text, int Number)
{
    char Digits[12];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, Number).ptr;
    Text.append(Digits, End);
}

void AppendHebrewNumber(std::string& Text, int Number)
{
    // The pages and chapters the cycles name every day are small numbers:
    // their numerals are written once.
    static const auto Small = [] {
        std::array<std::string, 200> Numerals;
        for (std::size_t Value = 0; Value < Numerals.size(); ++Value)
            Numerals[Value] = HebrewNumeral(static_cast<std::int64_t>(Value));
        return Numerals;
    }();
    if (Number >= 0 && Number < static_cast<int>(Small.size()))
        Text += Small[static_cast<std::size_t>(Number)];
    else
        Text += HebrewNumeral(Number);
}

void AppendHebrewLetters(std::string& Text, int Number)
{
    const std::string Numeral = HebrewNumeral(Number);
    for (std::size_t At = 0; At < Numeral.size();) {
        const std::string_view Rest = std::string_view(Numeral).substr(At);
        if (Rest.starts_with(Geresh) || Rest.starts_with(Gershayim)) {
            At += Geresh.size();
            continue;
        }
        Text += Numeral[At++];
    }
}

}  // namespace mirvane
