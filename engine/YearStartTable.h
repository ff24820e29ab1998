#pragma once

// Where each year the calendar reaches begins and how many days it has, and
// where its months fall, read from tables the compiler makes: a conversion
// looks a year up instead of working out its molad and postponements.

#include <cstdint>

namespace mirvane {

// The first day (1 Tishrei) and the length of one year, 353 to 355 days or
// 383 to 385 in a leap year.
struct TYearSpan {
    std::int32_t Year = 0;
    std::int32_t FirstDay = 0;
    std::int32_t Length = 0;
};

// For years FirstYearWithNewYearDate to LastYearWithNewYearDate only.
TYearSpan YearSpanOf(std::int32_t Year);

// The year a whole day falls in, for days from 1 Tishrei 3763 to the day
// before FirstDayPastTheCalendar() only.
TYearSpan YearSpanOfDay(std::int64_t Day);

// Days from 1 Tishrei to the first of Month (1..13; 13 only in a leap year)
// in a year of Length days.
std::int32_t DaysBeforeMonthInYear(std::int32_t Length, std::int32_t Month);

// The month (1..13) that day DayOfYear (0 is 1 Tishrei) of a year of Length
// days falls in.
std::int32_t MonthOfDayInYear(std::int32_t Length, std::int32_t DayOfYear);

}  // namespace mirvane
