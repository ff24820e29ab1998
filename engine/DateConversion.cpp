#include "engine/DateConversion.h"

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"
#include "engine/YearFacts.h"

namespace mirvane {

TDateTime FirstConvertibleDate()
{
    static const TDateTime First = EncodeDate(2, 11, 1);
    return First;
}

TDateTime JewishToDateTime(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    // A year below 1 has no facts at all: no leap month, no month lengths and
    // no new-year date, so only the day itself counts.
    if (Year <= 0) {
        if (Month < 1 || Month > 12)
            throw EConvertError(InvalidJewishMonthText);
        return static_cast<TDateTime>(Day) - 1;
    }
    const TYearFacts Facts = YearFactsOf(Year);
    if (Month < 1 || Month > 13 || (Month == Adar2 && !Facts.IsLeap))
        throw EConvertError(InvalidJewishMonthText);
    return Facts.NewYearDate + DaysBeforeMonthOf(Facts.MonthDays, Month) +
           (static_cast<TDateTime>(Day) - 1);
}

TJewishDate DateTimeToJewish(TDateTime Value)
{
    const auto WholeDay = WholeDays(Value);
    if (!WholeDay || static_cast<TDateTime>(*WholeDay) < FirstConvertibleDate() ||
        *WholeDay >= FirstDayPastTheCalendar())
        throw EConvertError(InvalidDateEncodeText);
    // The year is found from the day count itself; its days are then counted
    // off month by month from 1 Tishrei, which leaves the day of the month.
    const TYearFacts Facts = YearFactsOfDay(*WholeDay);
    std::int64_t DayOfYear = *WholeDay - static_cast<std::int64_t>(Facts.NewYearDate);
    std::int32_t Month = MonthsInYearOrder.back();
    for (const std::int32_t InOrder : MonthsInYearOrder) {
        const std::int32_t Length = Facts.MonthDays[static_cast<std::size_t>(InOrder)];
        if (DayOfYear < Length) {
            Month = InOrder;
            break;
        }
        DayOfYear -= Length;
    }
    return {Facts.Year, Month, static_cast<std::int32_t>(DayOfYear + 1)};
}

void DateTimeToJewish(TDateTime Value, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day)
{
    const TJewishDate Date = DateTimeToJewish(Value);
    Year = Date.Year;
    Month = Date.Month;
    Day = Date.Day;
}

}  // namespace mirvane
