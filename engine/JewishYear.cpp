#include "engine/JewishYear.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "engine/ConvertError.h"
#include "engine/EngineMessage.h"

namespace mirvane {
namespace {

constexpr std::array<bool, 20> LeapYearsOfCycle = {false, false, false, true,  false, false, true,
                                                   false, true,  false, false, true,  false, false,
                                                   true,  false, false, true,  false, true};

// The months of a year in the order they are read, from Tishrei.
constexpr std::array<std::int32_t, 13> MonthsInYearOrder = {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};

constexpr std::int32_t CycleOf(std::int32_t Year)
{
    return (Year - 1) / 19 + 1;
}

constexpr std::int32_t YearInCycleOf(std::int32_t Year)
{
    return (Year - 1) % 19 + 1;
}

// Leap years among the cycle years First to Last, both included.
std::int32_t LeapYearsAmong(std::int32_t First, std::int32_t Last)
{
    std::int32_t Count = 0;
    for (std::int32_t Position = First; Position <= Last; ++Position)
        Count += LeapCycleTable(Position) ? 1 : 0;
    return Count;
}

// Molad of Tishrei of a year, built forward from the epoch by whole cycles,
// years and the extra months of the cycle's leap years.
TMoonTime MoladOfTishrei(std::int32_t CycleNumber, std::int32_t YearInCycle)
{
    TMoonTime Molad;
    Molad.SetEpoch();
    TMoonTime Step;
    Step.SetCycle();
    Step.MultiplyBy(CycleNumber - 1);
    Molad.Add(Step);
    Step.SetCommonYear();
    Step.MultiplyBy(YearInCycle - 1);
    Molad.Add(Step);
    // The thirteenth month of each leap year already passed in this cycle.
    Step.SetMonth();
    Step.MultiplyBy(LeapYearsAmong(1, YearInCycle - 1));
    Molad.Add(Step);
    return Molad;
}

constexpr bool AtOrAfter(const TMoonTime& Molad, std::int32_t Hours, std::int32_t Parts)
{
    return Molad.Hours > Hours || (Molad.Hours == Hours && Molad.Parts >= Parts);
}

// The postponement rules of Rosh Hashana; the result is a weekday number.
std::int32_t PostponedWeekday(const TMoonTime& Molad, std::int32_t YearInCycle)
{
    const bool Leap = LeapCycleTable(YearInCycle);
    const bool PreviousLeap = LeapCycleTable(YearInCycle == 1 ? 19 : YearInCycle - 1);
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

std::int32_t NewYearWeekdayOf(std::int32_t Year)
{
    return PostponedWeekday(MoladOfTishrei(CycleOf(Year), YearInCycleOf(Year)), YearInCycleOf(Year));
}

// 2 October of the Gregorian year in which the cycle's first year begins, at
// the drift the cycles had in 1997. Throws for cycles whose anchor falls
// after the year 9999.
TDateTime NewYearAnchor(std::int32_t CycleNumber)
{
    const std::int64_t AnchorYear = (std::int64_t{CycleNumber} - 1) * 19 - 3760;
    return EncodeDate(static_cast<std::int32_t>(std::clamp<std::int64_t>(AnchorYear, 0, 10000)), 10, 2);
}

std::int32_t FloorMod7(std::int64_t Value)
{
    return static_cast<std::int32_t>(((Value % 7) + 7) % 7);
}

}  // namespace

bool LeapCycleTable(std::int32_t YearInCycle)
{
    return YearInCycle >= 1 && YearInCycle <= 19 && LeapYearsOfCycle[static_cast<std::size_t>(YearInCycle)];
}

void TJewishYear::SetYear(std::int32_t NewYear)
{
    if (NewYear <= 0)
        return;
    // Placing 1 Tishrei on the calendar is the only step that can fail, so it
    // is done before anything is changed.
    TDateTime Anchor = 0;
    if (NewYear >= FirstYearWithNewYearDate)
        Anchor = NewYearAnchor(CycleOf(NewYear));
    SetYearCore(NewYear);
    ComputeMonthDays();
    ComputeNissanMolad();
    ComputeNissanSeason();
    if (NewYear >= FirstYearWithNewYearDate)
        ComputeNewYearDate(Anchor);
    else
        NewYearDate = 0;
}

void TJewishYear::SetYearCore(std::int32_t NewYear)
{
    if (NewYear < 1)
        return;
    Year = NewYear;
    CycleNumber = CycleOf(NewYear);
    YearInCycle = YearInCycleOf(NewYear);
    IsLeap = LeapCycleTable(YearInCycle);
    ComputeMolad();
    ComputeNewYearWeekday();
    PortionsReady = false;
}

void TJewishYear::ComputeMolad()
{
    MoladTishrei = MoladOfTishrei(CycleNumber, YearInCycle);
}

void TJewishYear::ComputeNewYearWeekday()
{
    NewYearWeekday = PostponedWeekday(MoladTishrei, YearInCycle);
}

void TJewishYear::ComputeMonthDays()
{
    for (std::int32_t Month = 1; Month <= 12; ++Month)
        MonthDays[static_cast<std::size_t>(Month)] = (Month % 2 == 1) ? 30 : 29;
    MonthDays[Adar] = IsLeap ? 30 : 29;
    MonthDays[Adar2] = IsLeap ? 29 : 0;

    // The weekday distance to the next new year tells the year's length:
    // 353/383 days give 5, 354/384 give 6 and 355/385 give 0.
    const std::int32_t NextWeekday = Year < std::numeric_limits<std::int32_t>::max() ? NewYearWeekdayOf(Year + 1) : 0;
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
}

void TJewishYear::ComputeNissanMolad()
{
    TMoonTime MoladOfNissan;
    MonthMolad(Nissan, MoladOfNissan);
    // Find the day of the molad: the first day from three days before
    // 1 Nissan whose molad weekday matches.
    std::int32_t Day = DaysBeforeMonth(Nissan);
    std::int32_t Weekday = FloorMod7(std::int64_t{NewYearWeekday} + Day);
    Day -= 3;
    Weekday = (Weekday + 4) % 7;
    for (int Step = 0; Step < 7 && Weekday != MoladOfNissan.Days; ++Step) {
        ++Day;
        Weekday = (Weekday + 1) % 7;
    }
    NissanSeason.Days = Day;
    NissanSeason.Hours = MoladOfNissan.Hours;
    NissanSeason.Parts = MoladOfNissan.Parts;
    NissanSeason.Moments = 0;
}

void TJewishYear::ComputeNissanSeason()
{
    // Nineteen solar years equal 235 lunar months to the moment, so the time
    // from the molad of Nissan to its season depends only on the year's place
    // in the cycle.
    const std::int32_t YearsSinceCycleStart = YearInCycle - 1;
    // Counting this year too when it is leap: its Adar II lies before Nissan.
    const std::int32_t LeapMonths = LeapYearsAmong(2, YearInCycle);
    TSeasonTime SolarTime = SeasonLength;
    SolarTime.MultiplyBy(4 * YearsSinceCycleStart);
    TSeasonTime LunarTime = LunarMonthLength;
    LunarTime.MultiplyBy(12 * YearsSinceCycleStart + LeapMonths);
    SolarTime.Subtract(LunarTime);
    SolarTime.Subtract(FirstYearSeasonOffset);
    NissanSeason.Add(SolarTime);

    std::int64_t Day = std::int64_t{NissanSeason.Days} + 1;
    std::int32_t Position = 1;
    while (Position < 13 && Day > DaysInMonth(MonthAtPosition(Position))) {
        Day -= DaysInMonth(MonthAtPosition(Position));
        ++Position;
    }
    char Digits[24];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, Day).ptr;
    NissanSeasonText.assign(Digits, End);
    NissanSeasonText += ' ';
    NissanSeasonText += GetMonthNames()[static_cast<std::size_t>(MonthAtPosition(Position))];
}

void TJewishYear::ComputeNewYearDate(TDateTime Anchor)
{
    // The cycles drift against the Gregorian calendar by a fixed amount each;
    // only whole days of the drift move the estimate.
    const std::int32_t CyclesFromAnchor = CycleNumber - 304;
    TSeasonTime Drift;
    Drift.SetCycleDrift();
    Drift.MultiplyBy(CyclesFromAnchor < 0 ? -CyclesFromAnchor : CyclesFromAnchor);
    std::int64_t Estimate = static_cast<std::int64_t>(Anchor);
    Estimate += CyclesFromAnchor >= 0 ? Drift.Days : -Drift.Days;

    const std::int64_t MonthsElapsed = std::int64_t{YearInCycle - 1} * 12 + LeapYearsAmong(1, YearInCycle - 1);
    Estimate += MonthsElapsed * 765433 / 25920;  // whole days of that many lunar months

    // The estimate lies within a few days of 1 Tishrei, whose weekday is known.
    const std::int32_t Difference = (DayOfWeek(static_cast<TDateTime>(Estimate)) + 7 - NewYearWeekday) % 7;
    if (Difference == 1 || Difference == 2)
        Estimate -= Difference;
    else if (Difference != 0)
        Estimate += 7 - Difference;
    NewYearDate = static_cast<TDateTime>(Estimate);
}

std::int32_t TJewishYear::DaysInMonth(std::int32_t Month) const
{
    return (Month >= 1 && Month <= 13) ? MonthDays[static_cast<std::size_t>(Month)] : 0;
}

std::int32_t TJewishYear::DaysBeforeMonth(std::int32_t Month) const
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

std::int32_t TJewishYear::MonthPosition(std::int32_t Month) const
{
    const std::int64_t Wide = Month;
    return static_cast<std::int32_t>(IsLeap ? (Wide + 6) % 13 + 1 : (Wide + 5) % 12 + 1);
}

std::int32_t TJewishYear::MonthAtPosition(std::int32_t Position) const
{
    const std::int64_t Wide = Position;
    return static_cast<std::int32_t>(IsLeap ? (Wide + 5) % 13 + 1 : (Wide + 5) % 12 + 1);
}

void TJewishYear::MonthMolad(std::int32_t Month, TMoonTime& Molad) const
{
    if (Month < 1)
        return;
    TMoonTime Months;
    Months.SetMonth();
    Months.MultiplyBy(MonthPosition(Month) - 1);
    Molad = MoladTishrei;
    Molad.Add(Months);
}

std::int32_t TJewishYear::NextMonth(std::int32_t Month)
{
    std::int64_t Result = std::int64_t{Month} + 1;
    if (Result > (IsLeap ? 13 : 12))
        Result = 1;
    if (Result == Tishrei) {
        if (Year == std::numeric_limits<std::int32_t>::max())
            throw EConvertError(InvalidDateEncodeText);
        SetYear(Year + 1);
    }
    return static_cast<std::int32_t>(Result);
}

std::int32_t TJewishYear::PrevMonth(std::int32_t Month)
{
    std::int64_t Result = std::int64_t{Month} - 1;
    if (Result == 0)
        Result = IsLeap ? 13 : 12;
    if (Result == Elul)
        SetYear(Year - 1);
    // Only a month below every real one can fall under 32 bits here; it wraps.
    return static_cast<std::int32_t>(Result);
}

std::int32_t TJewishYear::WeekdayOf(std::int32_t Month, std::int32_t Day) const
{
    if (Month < 1 || Month > 13)
        return 0;
    const std::int32_t Weekday = FloorMod7(std::int64_t{NewYearWeekday} + Day - 1 + DaysBeforeMonth(Month));
    return Weekday == 0 ? 7 : Weekday;
}

const TMonthNameTable& TJewishYear::GetMonthNames() const
{
    return IsLeap ? JewishMonthNamesLeap : JewishMonthNames;
}

void TJewishYear::SetDiaspora(bool Value)
{
    if (Value != Diaspora)
        PortionsReady = false;
    Diaspora = Value;
}

bool TJewishYear::GetDiaspora() const
{
    return Diaspora;
}

}  // namespace mirvane
