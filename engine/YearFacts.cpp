#include "engine/YearFacts.h"

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"
#include "engine/NewYearDay.h"

namespace mirvane {

using namespace NewYear;

namespace {

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
