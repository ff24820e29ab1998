#include "learning/ReadingText.h"

#include <charconv>
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
