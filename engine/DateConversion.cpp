#include "engine/DateConversion.h"

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"
#include "engine/JewishYear.h"

namespace mirvane {
namespace {

bool IsMonthOfYear(const TJewishYear& Calculator, std::int32_t Month)
{
    return Month >= 1 && Month <= 13 && (Month != Adar2 || Calculator.IsLeap);
}

}  // namespace

TDateTime FirstConvertibleDate()
{
    static const TDateTime First = EncodeDate(2, 11, 1);
    return First;
}

TDateTime JewishToDateTime(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    if (!IsMonthOfYear(Calculator, Month))
        throw EConvertError(InvalidJewishMonthText);
    return Calculator.NewYearDate + Calculator.DaysBeforeMonth(Month) + (static_cast<TDateTime>(Day) - 1);
}

TJewishDate DateTimeToJewish(TDateTime Value)
{
    const auto WholeDay = WholeDays(Value);
    if (!WholeDay || static_cast<TDateTime>(*WholeDay) < FirstConvertibleDate())
        throw EConvertError(InvalidDateEncodeText);
    const TGregorianDate Gregorian = DecodeDate(static_cast<TDateTime>(*WholeDay));
    if (Gregorian.Year == 0)
        throw EConvertError(InvalidDateEncodeText);

    // Estimate the Jewish month from the Gregorian one: January is about
    // Kislev, May about Nissan, November about Tishrei.
    std::int32_t Month = Gregorian.Month - 4;
    if (Month <= 0)
        Month += 12;
    std::int32_t EstimatedYear = Gregorian.Year + 3760 + (Gregorian.Month >= 11 ? 1 : 0);
    // By then the months have drifted so late that the last reachable year
    // runs into a November; estimate from its Elul, the step below finds any
    // later day beyond the calendar.
    if (EstimatedYear > LastYearWithNewYearDate) {
        EstimatedYear = LastYearWithNewYearDate;
        Month = Elul;
    }

    TJewishYear Calculator;
    Calculator.SetYear(EstimatedYear);
    std::int64_t Day =
        *WholeDay - static_cast<std::int64_t>(Calculator.NewYearDate) - Calculator.DaysBeforeMonth(Month) + 1;

    // The months drift against the Gregorian calendar, so from the seventh
    // millennium on the estimated month can begin after the date: step back.
    // Two steps always suffice; more would mean the arithmetic is broken.
    for (int Step = 0; Day < 1; ++Step) {
        if (Step == 2) {
            ShowEngineMessage(ConvertingDateErrorText);
            break;
        }
        Month = Calculator.PrevMonth(Month);
        Day += Calculator.DaysInMonth(Month);
    }
    while (Day > Calculator.DaysInMonth(Month)) {
        Day -= Calculator.DaysInMonth(Month);
        Month = Calculator.NextMonth(Month);
    }
    return {Calculator.Year, Month, static_cast<std::int32_t>(Day)};
}

void DateTimeToJewish(TDateTime Value, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day)
{
    const TJewishDate Date = DateTimeToJewish(Value);
    Year = Date.Year;
    Month = Date.Month;
    Day = Date.Day;
}

}  // namespace mirvane
