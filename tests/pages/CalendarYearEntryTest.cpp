#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "pages/CalendarYearEntry.h"

namespace mirvane {
namespace {

constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();

struct TYearCase {
    const char* Typed;
    bool JewishBox;
    TCalendarYears Current;
    std::optional<TYearInCalendar> Expected;
};

TEST(CalendarYearEntry, ATypedYearGoesToTheCalendarOfTheSelection)
{
    const TCalendarYears Gregorian{2000, 5760, false};
    const TCalendarYears Jewish{2000, 5760, true};
    const TYearCase Cases[] = {
        // Typed into the box of the selection's own calendar: that year.
        {"2001", false, Gregorian, TYearInCalendar{false, 2001}},
        {"5761", true, Jewish, TYearInCalendar{true, 5761}},
        // Typed into the other box: the selection's year moves as far.
        {"2001", false, Jewish, TYearInCalendar{true, 5761}},
        {"5770", true, Gregorian, TYearInCalendar{false, 2010}},
        {" +1999 ", false, Gregorian, TYearInCalendar{false, 1999}},
        // The first digits of a longer year, and Jewish years without dates.
        {"10", false, Gregorian, std::nullopt},
        {"11", false, Gregorian, TYearInCalendar{false, 11}},
        {"3762", true, Jewish, std::nullopt},
        {"3763", true, Jewish, TYearInCalendar{true, 3763}},
        {"-5", false, Gregorian, std::nullopt},
        // No number at all.
        {"", false, Gregorian, std::nullopt},
        {"20x1", true, Jewish, std::nullopt},
        {"99999999999", false, Gregorian, std::nullopt},
        // The shifted year stays within 32 bits.
        {"2147483647", false, TCalendarYears{11, Max, true}, TYearInCalendar{true, Max}},
        {"3763", true, TCalendarYears{Min + 10, Max, false}, TYearInCalendar{false, Min}},
    };
    for (const TYearCase& Case : Cases) {
        const auto Target = Case.JewishBox ? TypedJewishYear(Case.Typed, Case.Current)
                                           : TypedGregorianYear(Case.Typed, Case.Current);
        EXPECT_EQ(Target, Case.Expected) << '"' << Case.Typed << "\" in the " << (Case.JewishBox ? "Jewish" : "Gregorian")
                                         << " box";
    }
}

}  // namespace
}  // namespace mirvane
