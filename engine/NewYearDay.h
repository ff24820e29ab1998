#pragma once

// The arithmetic that places 1 Tishrei of a year: the molad of Tishrei from
// the count of lunar months before the year, and the postponement rules. All
// of it is constexpr, so the table of the years' first days is made by the
// compiler.

#include <array>
#include <cstdint>

#include "engine/MoladTime.h"
#include "engine/YearFacts.h"

namespace mirvane::NewYear {

inline constexpr std::array<bool, 20> LeapYearsOfCycle = {false, false, false, true,  false, false, true,
                                                          false, true,  false, false, true,  false, false,
                                                          true,  false, false, true,  false, true};

inline constexpr std::int32_t MonthsPerCycle = 235;

// Moments in parts, counted from the start (6 pm) of molad day 0, a Saturday.
inline constexpr std::int64_t PartsPerDay = std::int64_t{TMoonTime::HoursPerDay} * TMoonTime::PartsPerHour;
inline constexpr std::int64_t PartsPerWeek = PartsPerDay * TMoonTime::DaysPerWeek;
inline constexpr std::int64_t LunarMonthParts = TMoonTime::LunarMonthParts;
// The molad of Tishrei of year 1: Monday, 5 hours and 204 parts.
inline constexpr std::int64_t EpochParts = 2 * PartsPerDay + 5 * TMoonTime::PartsPerHour + 204;
// Molad day 0 as a whole day of TDateTime. Both count weekdays alike (0 is a
// Saturday), and with it 1 Tishrei 5758 falls on 2 October 1997, as checked
// below.
inline constexpr std::int64_t DayOfMoladDayZero = -2067023;

constexpr bool IsLeapInCycle(std::int32_t YearInCycle)
{
    return YearInCycle >= 1 && YearInCycle <= 19 && LeapYearsOfCycle[static_cast<std::size_t>(YearInCycle)];
}

// Lunar months in a cycle before each of its years, by year in cycle 1..19.
inline constexpr std::array<std::int32_t, 20> MonthsBeforeYearInCycle = [] {
    std::array<std::int32_t, 20> Months{};
    for (std::int32_t InCycle = 1; InCycle < 19; ++InCycle)
        Months[static_cast<std::size_t>(InCycle + 1)] =
            Months[static_cast<std::size_t>(InCycle)] + (IsLeapInCycle(InCycle) ? 13 : 12);
    return Months;
}();

// The molad of Tishrei of a year as a moment. Adding whole cycles, years and
// months one molad time at a time, each sum reduced to the week, gives the
// same moment reduced to the week: every reduction only carries parts into
// hours and hours into days and drops whole weeks, so one product does.
constexpr std::int64_t MoladMomentOf(std::int32_t Year)
{
    const std::int64_t Months = std::int64_t{CycleOf(Year) - 1} * MonthsPerCycle +
                                MonthsBeforeYearInCycle[static_cast<std::size_t>(YearInCycleOf(Year))];
    return EpochParts + Months * LunarMonthParts;
}

constexpr TMoonTime MoladAt(std::int64_t Moment)
{
    const std::int64_t InWeek = Moment % PartsPerWeek;
    return TMoonTime(static_cast<std::int32_t>(InWeek / PartsPerDay),
                     static_cast<std::int32_t>(InWeek % PartsPerDay / TMoonTime::PartsPerHour),
                     static_cast<std::int32_t>(InWeek % TMoonTime::PartsPerHour));
}

constexpr bool AtOrAfter(const TMoonTime& Molad, std::int32_t Hours, std::int32_t Parts)
{
    return Molad.Hours > Hours || (Molad.Hours == Hours && Molad.Parts >= Parts);
}

// The postponement rules of Rosh Hashana; the result is a weekday number.
constexpr std::int32_t PostponedWeekday(const TMoonTime& Molad, std::int32_t YearInCycle)
{
    const bool Leap = IsLeapInCycle(YearInCycle);
    const bool PreviousLeap = IsLeapInCycle(YearInCycle == 1 ? 19 : YearInCycle - 1);
    std::int32_t Weekday = Molad.Days;
    if (Molad.Hours >= 18)
        Weekday = Molad.Days + 1;
    if (AtOrAfter(Molad, 9, 204) && !Leap && Molad.Days == 3)
        Weekday = Molad.Days + 1;
    if (AtOrAfter(Molad, 15, 589) && PreviousLeap && Molad.Days == 2)
        Weekday = Molad.Days + 1;
    if (Weekday == 1 || Weekday == 4 || Weekday == 6)
        Weekday += 1;
    Weekday %= 7;
    return Weekday == 0 ? 7 : Weekday;
}

// 1 Tishrei is the day of its molad, put off by the days the postponement
// rules add; the weekday numbers of both count from Saturday alike.
constexpr std::int64_t NewYearDayAt(std::int64_t Moment, const TMoonTime& Molad, std::int32_t NewYearWeekday)
{
    return Moment / PartsPerDay + (NewYearWeekday - Molad.Days + 7) % 7 + DayOfMoladDayZero;
}

constexpr std::int64_t NewYearDayOf(std::int32_t Year)
{
    const std::int64_t Moment = MoladMomentOf(Year);
    const TMoonTime Molad = MoladAt(Moment);
    return NewYearDayAt(Moment, Molad, PostponedWeekday(Molad, YearInCycleOf(Year)));
}

static_assert(NewYearDayOf(5758) == 35705, "1 Tishrei 5758 is 2 October 1997");
static_assert(NewYearDayOf(3763) == -692962, "1 Tishrei 3763 is 24 September of year 2");

}  // namespace mirvane::NewYear
