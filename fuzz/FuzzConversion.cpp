// Conversions between Jewish dates and date-time values with any 32-bit
// year, month and day and any double, NaN and the infinities included, and
// the anniversary dates built on them. Every conversion that succeeds must
// round-trip; every refusal must be EConvertError with the documented text.

#include <cmath>
#include <cstdint>
#include <string>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"

namespace mirvane::fuzz {
namespace {

// A scratch calculator for a year of the calendar.
TJewishYear CalendarYear(std::int32_t Year)
{
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    return Calculator;
}

bool IsLeap(std::int32_t Year)
{
    return Year >= 1 && LeapCycleTable((Year - 1) % 19 + 1);
}

// The last day the calendar reaches: 29 Elul of its last year.
TDateTime LastConvertibleDate()
{
    static const TDateTime Last = JewishToDateTime(LastYearWithNewYearDate, Elul, 29);
    return Last;
}

bool IsConvertible(TDateTime WholeDay)
{
    return WholeDay >= FirstConvertibleDate() && WholeDay <= LastConvertibleDate();
}

void CheckJewishToDateTime(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    TDateTime Value = 0;
    const bool Converted = SucceedsOrRefuses([&] { Value = JewishToDateTime(Year, Month, Day); },
                                             {InvalidJewishMonthText, InvalidDateEncodeText}, "JewishToDateTime");
    const bool MonthOfYear = Month >= 1 && Month <= 13 && (Month != Adar2 || IsLeap(Year));
    Require(Converted == (Year <= LastYearWithNewYearDate && MonthOfYear),
            "JewishToDateTime refuses exactly the years beyond the calendar and the months a year lacks");
    if (!Converted || Year < FirstYearWithNewYearDate)
        return;
    Require(Value == std::floor(Value), "a Jewish date is a whole day");
    Require(Value - JewishToDateTime(Year, Month, 1) == static_cast<double>(Day) - 1,
            "the day counts on from the month's first");
    const TJewishYear Calculator = CalendarYear(Year);
    if (Day < 1 || Day > Calculator.DaysInMonth(Month))
        return;
    if (!IsConvertible(Value)) {
        Require(Year == FirstYearWithNewYearDate, "only the first year has days before the first convertible date");
        return;
    }
    const TJewishDate Back = DateTimeToJewish(Value);
    if (Back != TJewishDate{Year, Month, Day})
        Fail(std::to_string(Day) + "/" + std::to_string(Month) + "/" + std::to_string(Year) + " came back as " +
             std::to_string(Back.Day) + "/" + std::to_string(Back.Month) + "/" + std::to_string(Back.Year));
}

void CheckDateTimeToJewish(TDateTime Value)
{
    TJewishDate Date;
    const bool Converted =
        SucceedsOrRefuses([&] { Date = DateTimeToJewish(Value); }, {InvalidDateEncodeText}, "DateTimeToJewish");
    const bool Convertible = std::isfinite(Value) && IsConvertible(std::floor(Value));
    Require(Converted == Convertible, "DateTimeToJewish takes exactly the days of the calendar");
    if (!Converted)
        return;
    Require(Date.Year >= FirstYearWithNewYearDate && Date.Year <= LastYearWithNewYearDate, "a year of the calendar");
    const TJewishYear Calculator = CalendarYear(Date.Year);
    Require(Date.Month >= 1 && Date.Month <= 13 && Calculator.DaysInMonth(Date.Month) > 0, "a month of its year");
    Require(Date.Day >= 1 && Date.Day <= Calculator.DaysInMonth(Date.Month), "a day of its month");
    Require(JewishToDateTime(Date.Year, Date.Month, Date.Day) == std::floor(Value),
            "the Jewish date converts back to the same day");
    std::int32_t Year = 0, Month = 0, Day = 0;
    DateTimeToJewish(Value, Year, Month, Day);
    Require((TJewishDate{Year, Month, Day}) == Date, "both forms of DateTimeToJewish agree");
}

void CheckAnniversary(std::int32_t BirthYear, std::int32_t BirthMonth, std::int32_t BirthDay, std::int32_t TargetYear,
                      bool PlainAdarIsAdar2)
{
    const std::int32_t Month = AnniversaryMonth(BirthYear, BirthMonth, TargetYear, PlainAdarIsAdar2);
    if (BirthMonth != Adar && BirthMonth != Adar2)
        Require(Month == BirthMonth, "only Adar moves");
    else if (!IsLeap(TargetYear))
        Require(Month == Adar, "a common year has one Adar");
    else if (BirthMonth == Adar2 || IsLeap(BirthYear))
        Require(Month == BirthMonth, "Adar I and Adar II stay where they are");
    else
        Require(Month == (PlainAdarIsAdar2 ? Adar2 : Adar), "a plain Adar goes where the user chose");

    TDateTime Value = 0;
    const bool Converted =
        SucceedsOrRefuses([&] { Value = AnniversaryDate(BirthYear, BirthMonth, BirthDay, TargetYear, PlainAdarIsAdar2); },
                          {InvalidJewishMonthText, InvalidDateEncodeText}, "AnniversaryDate");
    const bool MonthOfYear = Month >= 1 && Month <= 13 && (Month != Adar2 || IsLeap(TargetYear));
    Require(Converted == (TargetYear <= LastYearWithNewYearDate && MonthOfYear),
            "AnniversaryDate refuses only what JewishToDateTime refuses");
    if (!Converted || TargetYear < FirstYearWithNewYearDate || BirthDay < 1 || BirthDay > 30)
        return;
    Require(Value == JewishToDateTime(TargetYear, Month, BirthDay), "the anniversary is that day of that month");
    if (!IsConvertible(Value))
        return;
    const TJewishDate Back = DateTimeToJewish(Value);
    const std::int32_t Length = CalendarYear(TargetYear).DaysInMonth(Month);
    if (BirthDay <= Length)
        Require(Back.Year == TargetYear && Back.Month == Month && Back.Day == BirthDay,
                "the anniversary falls on the same day of the month");
    else
        Require(Back.Day == BirthDay - Length, "a day the month lacks runs into the next month");
}

void CheckDateServices(std::int32_t Year, std::int32_t Month, std::int32_t Day, TDateTime Value)
{
    TDateTime Encoded = 0;
    const bool Valid =
        SucceedsOrRefuses([&] { Encoded = EncodeDate(Year, Month, Day); }, {InvalidDateEncodeText}, "EncodeDate");
    if (Valid)
        Require(DecodeDate(Encoded) == (TGregorianDate{Year, Month, Day}), "an encoded date decodes to itself");
    else
        Require(Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > 28,
                "EncodeDate takes every day up to the 28th of every month of the years 1 to 9999");
    const std::int32_t Weekday = DayOfWeek(Value);
    const bool Countable = std::isfinite(Value) && std::fabs(Value) <= 1e15;
    Require(Countable ? (Weekday >= 1 && Weekday <= 7) : Weekday == 0, "DayOfWeek is a weekday or 0");
    const TGregorianDate Decoded = DecodeDate(Value);
    if (Decoded.Year != 0 && Decoded.Year <= 9999)
        Require(EncodeDate(Decoded.Year, Decoded.Month, Decoded.Day) == std::floor(Value),
                "a decoded date encodes to its whole day");
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    FuzzedDataProvider& Bytes = In.Bytes();
    for (int Round = 0; Round < 16 && !In.Empty(); ++Round) {
        switch (Bytes.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            CheckJewishToDateTime(In.JewishYear(), In.JewishMonth(), In.JewishDay());
            break;
        case 1:
            CheckDateTimeToJewish(In.DateValue());
            break;
        case 2:
            CheckAnniversary(In.JewishYear(), In.JewishMonth(), In.JewishDay(), In.JewishYear(), Bytes.ConsumeBool());
            break;
        default:
            CheckDateServices(In.Integer(-1, 10000), In.Integer(0, 13), In.Integer(0, 32), In.DateValue());
            break;
        }
    }
    return 0;
}
