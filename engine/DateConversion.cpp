#include "engine/DateConversion.h"

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"
#include "engine/YearFacts.h"
#include "engine/YearStartTable.h"

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
    // The years with a new-year date are looked up; the others are worked
    // out, for their meaningless values or their error.
    if (Year >= FirstYearWithNewYearDate && Year <= LastYearWithNewYearDate) {
        const TYearSpan Span = YearSpanOf(Year);
        if (Month < 1 || Month > 13 || (Month == Adar2 && Span.Length < 383))
            throw EConvertError(InvalidJewishMonthText);
        return static_cast<TDateTime>(Span.FirstDay + DaysBeforeMonthInYear(Span.Length, Month)) +
               (static_cast<TDateTime>(Day) - 1);
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
    const TYearSpan Span = YearSpanOfDay(*WholeDay);
    const auto DayOfYear = static_cast<std::int32_t>(*WholeDay - Span.FirstDay);
    const std::int32_t Month = MonthOfDayInYear(Span.Length, DayOfYear);
    return {Span.Year, Month, DayOfYear - DaysBeforeMonthInYear(Span.Length, Month) + 1};
}

void DateTimeToJewish(TDateTime Value, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day)
{
    const TJewishDate Date = DateTimeToJewish(Value);
    Year = Date.Year;
    Month = Date.Month;
    Day = Date.Day;
}

}  // namespace mirvane
