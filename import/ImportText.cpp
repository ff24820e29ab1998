#include "import/ImportText.h"

#include <algorithm>

namespace mirvane {

std::string AsciiLower(std::string_view Text)
{
    std::string Lower(Text);
    std::transform(Lower.begin(), Lower.end(), Lower.begin(),
                   [](char Character) { return Character >= 'A' && Character <= 'Z' ? Character + 32 : Character; });
    return Lower;
}

bool ContainsWord(std::string_view Text, std::string_view LowerWord)
{
    return AsciiLower(Text).find(LowerWord) != std::string::npos;
}

std::string_view TrimBlanks(std::string_view Text)
{
    const auto Blank = [](char Character) {
        return Character == ' ' || Character == '\t' || Character == '\r' || Character == '\n';
    };
    while (!Text.empty() && Blank(Text.front()))
        Text.remove_prefix(1);
    while (!Text.empty() && Blank(Text.back()))
        Text.remove_suffix(1);
    return Text;
}

std::string_view WithoutBom(std::string_view Text)
{
    return Text.starts_with("\xEF\xBB\xBF") ? Text.substr(3) : Text;
}

}  // namespace mirvane

#include <charconv>

#include "engine/ConvertError.h"

namespace mirvane {

std::optional<TGregorianDate> ReadIsoDate(std::string_view Text)
{
    Text = TrimBlanks(Text);
    if (Text.size() != 10 || Text[4] != '-' || Text[7] != '-')
        return std::nullopt;
    TGregorianDate Date;
    const auto Part = [&](std::size_t From, std::size_t Length, std::int32_t& Value) {
        const auto [End, Error] = std::from_chars(Text.data() + From, Text.data() + From + Length, Value);
        return Error == std::errc() && End == Text.data() + From + Length;
    };
    if (!Part(0, 4, Date.Year) || !Part(5, 2, Date.Month) || !Part(8, 2, Date.Day))
        return std::nullopt;
    try {
        EncodeDate(Date.Year, Date.Month, Date.Day);
        return Date;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace mirvane

#include "engine/JewishYear.h"
#include "engine/YearFacts.h"

namespace mirvane {

std::int32_t JewishMonthDays(std::int32_t Year, std::int32_t Month)
{
    if (Year < FirstYearWithNewYearDate || Year > LastYearWithNewYearDate)
        return 0;
    try {
        TJewishYear Calendar;
        Calendar.SetYear(Year);
        return Calendar.DaysInMonth(Month);
    } catch (const EConvertError&) {
        return 0;
    }
}

}  // namespace mirvane
