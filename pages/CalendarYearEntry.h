#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mirvane {

// The years of the Calendar page's selected date, and which calendar holds
// the selection.
struct TCalendarYears {
    std::int32_t Gregorian = 0;
    std::int32_t Jewish = 0;
    bool JewishSelected = false;
};

// What a typed year asks of the month grid: the year to set in the calendar
// that holds the selection.
struct TYearInCalendar {
    bool Jewish = false;
    std::int32_t Year = 0;
    bool operator==(const TYearInCalendar&) const = default;
};

// A year typed into the Gregorian (Year) or the Jewish (Jewish Year) box.
// Nothing for a text that is no number, or a year at or below 10 (Gregorian)
// or 3762 (Jewish): the first digits of a longer year, or a Jewish year
// without dates. A year typed for the calendar that does not hold the
// selection moves the selection's year by the same difference, kept within
// 32 bits; whether the grid can reach it is the grid's question.
std::optional<TYearInCalendar> TypedGregorianYear(std::string_view Text, const TCalendarYears& Current);
std::optional<TYearInCalendar> TypedJewishYear(std::string_view Text, const TCalendarYears& Current);

}  // namespace mirvane
