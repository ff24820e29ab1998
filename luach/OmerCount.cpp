#include "luach/OmerCount.h"

#include <array>
#include <string_view>

#include "engine/HebrewNumeral.h"

namespace mirvane {
namespace {

constexpr std::int32_t OmerDays = 49;

constexpr std::array<std::string_view, 20> EnglishNumbers{
    "",        "one",     "two",       "three",    "four",     "five",    "six",
    "seven",   "eight",   "nine",      "ten",      "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<std::string_view, 5> EnglishTens{"", "", "twenty", "thirty", "forty"};

// Counted things are masculine: days and weeks.
constexpr std::array<std::string_view, 10> HebrewUnits{
    "", "אחד", "שנים", "שלושה", "ארבעה", "חמישה", "שישה", "שבעה", "שמונה", "תשעה"};
constexpr std::array<std::string_view, 5> HebrewTens{"", "עשר", "עשרים", "שלושים", "ארבעים"};

std::string EnglishNumber(std::int32_t Value)
{
    if (Value < 20)
        return std::string(EnglishNumbers[static_cast<std::size_t>(Value)]);
    std::string Text(EnglishTens[static_cast<std::size_t>(Value / 10)]);
    if (Value % 10 != 0)
        Text += "-" + std::string(EnglishNumbers[static_cast<std::size_t>(Value % 10)]);
    return Text;
}

std::string EnglishCount(std::int32_t Value, std::string_view One, std::string_view Many)
{
    return EnglishNumber(Value) + " " + std::string(Value == 1 ? One : Many);
}

// Days as the count says them: "יום אחד", "שני ימים", "עשרה ימים", "אחד עשר
// יום", "שלושה ועשרים יום".
std::string HebrewDays(std::int32_t Value)
{
    if (Value == 1)
        return "יום אחד";
    if (Value == 2)
        return "שני ימים";
    if (Value < 10)
        return std::string(HebrewUnits[static_cast<std::size_t>(Value)]) + " ימים";
    if (Value == 10)
        return "עשרה ימים";
    const std::string_view Unit = HebrewUnits[static_cast<std::size_t>(Value % 10)];
    if (Value < 20)
        return std::string(Unit) + " עשר יום";
    const std::string Tens(HebrewTens[static_cast<std::size_t>(Value / 10)]);
    return (Unit.empty() ? Tens : std::string(Unit) + " ו" + Tens) + " יום";
}

std::string HebrewWeeks(std::int32_t Value)
{
    if (Value == 1)
        return "שבוע אחד";
    if (Value == 2)
        return "שני שבועות";
    return std::string(HebrewUnits[static_cast<std::size_t>(Value)]) + " שבועות";
}

}  // namespace

std::string OmerDayText(std::int32_t Day)
{
    return Day >= 1 && Day <= OmerDays ? "Omer day " + std::to_string(Day) : std::string();
}

std::string HebrewOmerDayText(std::int32_t Day)
{
    return Day >= 1 && Day <= OmerDays ? "עומר " + HebrewNumeral(Day) : std::string();
}

std::string OmerCountSentence(std::int32_t Day)
{
    if (Day < 1 || Day > OmerDays)
        return {};
    std::string Text = "Today is " + EnglishCount(Day, "day", "days");
    if (Day >= 7) {
        Text += ", which are " + EnglishCount(Day / 7, "week", "weeks");
        if (Day % 7 != 0)
            Text += " and " + EnglishCount(Day % 7, "day", "days");
    }
    return Text + " of the Omer";
}

std::string HebrewOmerCountSentence(std::int32_t Day)
{
    if (Day < 1 || Day > OmerDays)
        return {};
    std::string Text = "היום " + HebrewDays(Day);
    if (Day >= 7) {
        Text += ", שהם " + HebrewWeeks(Day / 7);
        if (Day % 7 != 0)
            Text += " ו" + HebrewDays(Day % 7);
    }
    return Text + " לעומר";
}

}  // namespace mirvane
