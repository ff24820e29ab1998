#include "engine/YearFacts.h"

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"

namespace mirvane {
namespace {

constexpr std::array<bool, 20> LeapYearsOfCycle = {false, false, false, true,  false, false, true,
                                                   false, true,  false, false, true,  false, false,
                                                   true,  false, false, true,  false, true};

constexpr std::int32_t MonthsPerCycle = 235;

// Moments in parts, counted from the start (6 pm) of molad day 0, a Saturday.
constexpr std::int64_t PartsPerDay = std::int64_t{TMoonTime::HoursPerDay} * TMoonTime::PartsPerHour;
constexpr std::int64_t PartsPerWeek = PartsPerDay * TMoonTime::DaysPerWeek;
constexpr std::int64_t LunarMonthParts = TMoonTime::LunarMonthParts;
// The molad of Tishrei of year 1: Monday, 5 hours and 204 parts.
constexpr std::int64_t EpochParts = 2 * PartsPerDay + 5 * TMoonTime::PartsPerHour + 204;
// Molad day 0 as a whole day of TDateTime. Both count weekdays alike (0 is a
// Saturday), and with it 1 Tishrei 5758 falls on 2 October 1997, as checked
// below.
constexpr std::int64_t DayOfMoladDayZero = -2067023;

constexpr bool IsLeapInCycle(std::int32_t YearInCycle)
{
    return YearInCycle >= 1 && YearInCycle <= 19 && LeapYearsOfCycle[static_cast<std::size_t>(YearInCycle)];
}

// Lunar months in a cycle before each of its years, by year in cycle 1..19.
constexpr std::array<std::int32_t, 20> MonthsBeforeYearInCycle = [] {
    std::array<std::int32_t, 20> Months{};
    for (std::int32_t InCycle = 1; InCycle < 19; ++InCycle)
        Months[static_cast<std::size_t>(InCycle + 1)] =
            Months[static_cast<std::size_t>(InCycle)] + (IsLeapInCycle(InCycle) ? 13 : 12);
    return Months;
}();

// The year in cycle each of a cycle's 235 months belongs to.
constexpr std::array<std::int8_t, MonthsPerCycle> YearInCycleOfMonth = [] {
    std::array<std::int8_t, MonthsPerCycle> Years{};
    std::int8_t InCycle = 1;
    for (std::int32_t Month = 0; Month < MonthsPerCycle; ++Month) {
        if (InCycle < 19 && Month == MonthsBeforeYearInCycle[static_cast<std::size_t>(InCycle + 1)])
            ++InCycle;
        Years[static_cast<std::size_t>(Month)] = InCycle;
    }
    return Years;
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

// The month lengths of a year; only Cheshvan and Kislev vary beyond the leap
// month. The weekday distance to the next new year tells the year's length:
// 353/383 days give 5, 354/384 give 6 and 355/385 give 0.
std::array<std::int32_t, 14> MonthDaysOf(bool IsLeap, std::int32_t NewYearWeekday, std::int32_t NextWeekday)
{
    std::array<std::int32_t, 14> MonthDays{0, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0};
    MonthDays[Adar] = IsLeap ? 30 : 29;
    MonthDays[Adar2] = IsLeap ? 29 : 0;

    std::int32_t Distance = (NextWeekday - NewYearWeekday + 7) % 7;
    if (!IsLeap)
        Distance = (Distance + 2) % 7;
    switch (Distance) {
    case 0:  // complete
        MonthDays[Cheshvan] = 30;
        MonthDays[Kislev] = 30;
        break;
    case 5:  // deficient
        MonthDays[Cheshvan] = 29;
        MonthDays[Kislev] = 29;
        break;
    case 6:  // regular
        MonthDays[Cheshvan] = 29;
        MonthDays[Kislev] = 30;
        break;
    default:
        ShowEngineMessage(DaysInMonthsErrorText);
        break;
    }
    return MonthDays;
}

// The facts of Year, whose molad of Tishrei falls at Moment.
TYearFacts FactsFromMoment(std::int32_t Year, std::int64_t Moment)
{
    TYearFacts Facts;
    Facts.Year = Year;
    Facts.CycleNumber = CycleOf(Year);
    Facts.YearInCycle = YearInCycleOf(Year);
    Facts.IsLeap = IsLeapInCycle(Facts.YearInCycle);
    Facts.MoladTishrei = MoladAt(Moment);
    Facts.NewYearWeekday = PostponedWeekday(Facts.MoladTishrei, Facts.YearInCycle);
    // The next year's molad lies this year's months later: the same sum as
    // counting its months from the epoch.
    const std::int64_t NextMoment = Moment + (Facts.IsLeap ? 13 : 12) * LunarMonthParts;
    const std::int32_t NextWeekday = PostponedWeekday(MoladAt(NextMoment), Facts.YearInCycle % 19 + 1);
    Facts.MonthDays = MonthDaysOf(Facts.IsLeap, Facts.NewYearWeekday, NextWeekday);
    Facts.NewYearDate = static_cast<TDateTime>(NewYearDayAt(Moment, Facts.MoladTishrei, Facts.NewYearWeekday));
    return Facts;
}

}  // namespace

bool LeapCycleTable(std::int32_t YearInCycle)
{
    return IsLeapInCycle(YearInCycle);
}

TMoonTime MoladOfTishrei(std::int32_t Year)
{
    return MoladAt(MoladMomentOf(Year));
}

std::int32_t NewYearWeekdayOf(std::int32_t Year)
{
    return PostponedWeekday(MoladOfTishrei(Year), YearInCycleOf(Year));
}

TYearFacts YearFactsOf(std::int32_t Year)
{
    if (Year > LastYearWithNewYearDate)
        throw EConvertError(InvalidDateEncodeText);
    TYearFacts Facts = FactsFromMoment(Year, MoladMomentOf(Year));
    if (Year < FirstYearWithNewYearDate)
        Facts.NewYearDate = 0;
    return Facts;
}

TYearFacts YearFactsOfDay(std::int64_t Day)
{
    // The month whose molad is the last one on or before this day, counted
    // from Tishrei of year 1, places the day in that month's year...
    const std::int64_t MoladDay = Day - DayOfMoladDayZero;
    const std::int64_t Month = ((MoladDay + 1) * PartsPerDay - 1 - EpochParts) / LunarMonthParts;
    const std::int32_t Year = static_cast<std::int32_t>(19 * (Month / MonthsPerCycle)) +
                              YearInCycleOfMonth[static_cast<std::size_t>(Month % MonthsPerCycle)];
    const TYearFacts Facts = FactsFromMoment(Year, MoladMomentOf(Year));
    // ...unless it lies between the molad of Tishrei and a postponed 1 Tishrei;
    // the next year cannot have begun, as its molad is still to come.
    if (static_cast<TDateTime>(Day) < Facts.NewYearDate)
        return FactsFromMoment(Year - 1, MoladMomentOf(Year - 1));
    return Facts;
}

std::int64_t FirstDayPastTheCalendar()
{
    constexpr std::int64_t FirstDay = NewYearDayOf(LastYearWithNewYearDate + 1);
    return FirstDay;
}

std::int32_t DaysBeforeMonthOf(const std::array<std::int32_t, 14>& MonthDays, std::int32_t Month)
{
    if (Month < 1 || Month > 13)
        return 0;
    std::int32_t Days = 0;
    for (const std::int32_t InOrder : MonthsInYearOrder) {
        if (InOrder == Month)
            break;
        Days += MonthDays[static_cast<std::size_t>(InOrder)];
    }
    return Days;
}

}  // namespace mirvane
