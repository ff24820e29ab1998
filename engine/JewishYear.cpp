#include "engine/JewishYear.h"

#include <charconv>
#include <limits>

#include "engine/ConvertError.h"

namespace mirvane {
namespace {

std::int32_t FloorMod7(std::int64_t Value)
{
    return static_cast<std::int32_t>(((Value % 7) + 7) % 7);
}

// The time from the molad of Nissan to its season, by year in cycle 1..19.
// Nineteen solar years equal 235 lunar months to the moment, so it depends
// only on the year's place in the cycle; the table holds the very sums a
// year would otherwise work out for itself.
const std::array<TSeasonTime, 20>& NissanSeasonOffsets()
{
    static const std::array<TSeasonTime, 20> Offsets = [] {
        std::array<TSeasonTime, 20> Table{};
        std::int32_t LeapMonths = 0;
        for (std::int32_t YearInCycle = 1; YearInCycle <= 19; ++YearInCycle) {
            const std::int32_t YearsSinceCycleStart = YearInCycle - 1;
            // Counting the year itself when it is leap: its Adar II lies
            // before Nissan; the cycle's first year never counts.
            if (YearInCycle >= 2 && LeapCycleTable(YearInCycle))
                ++LeapMonths;
            TSeasonTime SolarTime = SeasonLength;
            SolarTime.MultiplyBy(4 * YearsSinceCycleStart);
            TSeasonTime LunarTime = LunarMonthLength;
            LunarTime.MultiplyBy(12 * YearsSinceCycleStart + LeapMonths);
            SolarTime.Subtract(LunarTime);
            SolarTime.Subtract(FirstYearSeasonOffset);
            Table[static_cast<std::size_t>(YearInCycle)] = SolarTime;
        }
        return Table;
    }();
    return Offsets;
}

}  // namespace

void TJewishYear::SetYear(std::int32_t NewYear)
{
    if (NewYear <= 0)
        return;
    // Placing the year on the calendar is the only step that can fail, so it
    // is done before anything is changed.
    TYearFacts::operator=(YearFactsOf(NewYear));
    PortionsReady = false;
    ComputeNissanMolad();
    ComputeNissanSeason();
}

void TJewishYear::SetYearCore(std::int32_t NewYear)
{
    if (NewYear < 1)
        return;
    Year = NewYear;
    CycleNumber = CycleOf(NewYear);
    YearInCycle = YearInCycleOf(NewYear);
    IsLeap = LeapCycleTable(YearInCycle);
    MoladTishrei = MoladOfTishrei(NewYear);
    NewYearWeekday = NewYearWeekdayOf(NewYear);
    PortionsReady = false;
}

void TJewishYear::ComputeNissanMolad()
{
    const TMoonTime MoladOfNissan = *MonthMolad(Nissan);
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
    NissanSeason.Add(NissanSeasonOffsets()[static_cast<std::size_t>(YearInCycle)]);

    std::int64_t Day = std::int64_t{NissanSeason.Days} + 1;
    std::int32_t Position = 1;
    while (Position < 13 && Day > DaysInMonth(MonthAtPosition(Position))) {
        Day -= DaysInMonth(MonthAtPosition(Position));
        ++Position;
    }
    NissanSeasonMonth = MonthAtPosition(Position);
    NissanSeasonDay = static_cast<std::int32_t>(Day);
    char Digits[24];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, NissanSeasonDay).ptr;
    NissanSeasonText.assign(Digits, End);
    NissanSeasonText += ' ';
    NissanSeasonText += GetMonthNames()[static_cast<std::size_t>(NissanSeasonMonth)];
}

std::int32_t TJewishYear::DaysInMonth(std::int32_t Month) const
{
    return (Month >= 1 && Month <= 13) ? MonthDays[static_cast<std::size_t>(Month)] : 0;
}

std::int32_t TJewishYear::DaysBeforeMonth(std::int32_t Month) const
{
    return DaysBeforeMonthOf(MonthDays, Month);
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

std::optional<TMoonTime> TJewishYear::MonthMolad(std::int32_t Month) const
{
    if (Month < 1)
        return std::nullopt;
    TMoonTime Molad = MoladTishrei;
    Molad.AddLunarMonths(MonthPosition(Month) - 1);
    return Molad;
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

void TJewishYear::SetRules(TRules Rules)
{
    if (Rules != FRules)
        PortionsReady = false;
    FRules = Rules;
}

void TJewishYear::SetDiaspora(bool Value)
{
    SetRules(RulesOf(Value));
}

bool TJewishYear::GetDiaspora() const
{
    return FRules == TRules::Diaspora;
}

}  // namespace mirvane
