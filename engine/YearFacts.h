#pragma once

#include <array>
#include <cstdint>

#include "engine/DateServices.h"
#include "engine/MoladTime.h"

namespace mirvane {

inline constexpr std::int32_t FirstYearWithNewYearDate = 3763;
inline constexpr std::int32_t LastYearWithNewYearDate = 13775;

// Month numbers count from Nissan; the year begins with Tishrei, month 7, and
// month 13 (Adar II) exists only in a leap year.
enum TJewishMonth : std::int32_t {
    Nissan = 1, Iyar, Sivan, Tamuz, Av, Elul, Tishrei, Cheshvan, Kislev, Tevet, Shvat, Adar, Adar2
};

// The months of a year in the order they are read, from Tishrei.
inline constexpr std::array<std::int32_t, 13> MonthsInYearOrder = {Tishrei, Cheshvan, Kislev, Tevet, Shvat,
                                                                    Adar,    Adar2,    Nissan, Iyar,  Sivan,
                                                                    Tamuz,   Av,       Elul};

// The facts that place one Jewish year's days on the calendar. Each is worked
// out in closed form from the number of lunar months before the year, so no
// year needs its neighbours or a Gregorian estimate first.
struct TYearFacts {
    std::int32_t Year = 0;
    std::int32_t CycleNumber = 0;
    std::int32_t YearInCycle = 0;  // 1..19
    bool IsLeap = false;
    TMoonTime MoladTishrei;
    std::int32_t NewYearWeekday = 0;  // weekday of 1 Tishrei: 2, 3, 5 or 7
    std::array<std::int32_t, 14> MonthDays{};  // by month number 1..13
    TDateTime NewYearDate = 0;  // 1 Tishrei; 0 for years 1 to 3762
};

// The 19-year cycle a year from 1 up falls in, counted from 1, and its place
// in that cycle, 1..19.
constexpr std::int32_t CycleOf(std::int32_t Year)
{
    return (Year - 1) / 19 + 1;
}

constexpr std::int32_t YearInCycleOf(std::int32_t Year)
{
    return (Year - 1) % 19 + 1;
}

// Whether a year is leap in the 19-year cycle (year in cycle 1..19).
bool LeapCycleTable(std::int32_t YearInCycle);

// Years 1 to 13775. Throws EConvertError "Invalid argument to date encode"
// above them; years below 1 have no facts and must not be asked for.
TYearFacts YearFactsOf(std::int32_t Year);

// For any year from 1 up, however large.
TMoonTime MoladOfTishrei(std::int32_t Year);
std::int32_t NewYearWeekdayOf(std::int32_t Year);

// The first whole day after the last year the calendar reaches.
std::int64_t FirstDayPastTheCalendar();

// Days from 1 Tishrei to the first of Month, through the months of the year
// in order (Month 13 counts nothing in a common year); 0 for a month that is
// not 1..13.
std::int32_t DaysBeforeMonthOf(const std::array<std::int32_t, 14>& MonthDays, std::int32_t Month);

}  // namespace mirvane
