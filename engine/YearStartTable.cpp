// The table of the years' first days, made at compile time from the molad
// arithmetic, and the month layouts of the six year lengths.

#include "engine/YearStartTable.h"

#include <array>

#include "engine/NewYearDay.h"
#include "engine/YearFacts.h"

namespace mirvane {
namespace {

using namespace NewYear;

constexpr std::int32_t TabledYears = LastYearWithNewYearDate - FirstYearWithNewYearDate + 1;

// 1 Tishrei of every year with a new-year date and of the year after the
// last, so that each year's length is the distance to the next entry. Each
// molad is the previous one a year of months later, which is the same sum
// as counting the months from the epoch.
constexpr std::array<std::int32_t, TabledYears + 1> FirstDays = [] {
    std::array<std::int32_t, TabledYears + 1> Days{};
    std::int64_t Moment = MoladMomentOf(FirstYearWithNewYearDate);
    for (std::int32_t Index = 0; Index <= TabledYears; ++Index) {
        const std::int32_t InCycle = YearInCycleOf(FirstYearWithNewYearDate + Index);
        const TMoonTime Molad = MoladAt(Moment);
        Days[static_cast<std::size_t>(Index)] =
            static_cast<std::int32_t>(NewYearDayAt(Moment, Molad, PostponedWeekday(Molad, InCycle)));
        Moment += (IsLeapInCycle(InCycle) ? 13 : 12) * LunarMonthParts;
    }
    return Days;
}();

constexpr bool EveryYearHasAValidLength()
{
    for (std::int32_t Index = 0; Index < TabledYears; ++Index) {
        const std::int32_t Length =
            FirstDays[static_cast<std::size_t>(Index + 1)] - FirstDays[static_cast<std::size_t>(Index)];
        const bool Leap = IsLeapInCycle(YearInCycleOf(FirstYearWithNewYearDate + Index));
        if (Leap ? (Length < 383 || Length > 385) : (Length < 353 || Length > 355))
            return false;
    }
    return true;
}

static_assert(FirstDays.front() == NewYearDayOf(FirstYearWithNewYearDate));
static_assert(FirstDays[5758 - FirstYearWithNewYearDate] == NewYearDayOf(5758));
static_assert(FirstDays.back() == NewYearDayOf(LastYearWithNewYearDate + 1));
static_assert(EveryYearHasAValidLength());

// The six year lengths, 353 to 355 and 383 to 385, as 0..5.
constexpr std::size_t KindOf(std::int32_t Length)
{
    return static_cast<std::size_t>((Length > 380 ? 3 : 0) + (Length - 353) % 30);
}

// Month lengths by month number: Cheshvan is long only in a complete year,
// Kislev short only in a deficient one, and a leap year adds 30 days to
// Adar I and has Adar II.
constexpr std::array<std::int32_t, 14> MonthLengthsOf(std::int32_t Length)
{
    const bool Leap = Length > 380;
    std::array<std::int32_t, 14> Lengths{0, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 30, 29, 0};
    Lengths[Cheshvan] = Length % 10 == 5 ? 30 : 29;
    Lengths[Kislev] = Length % 10 == 3 ? 29 : 30;
    Lengths[Adar] = Leap ? 30 : 29;
    Lengths[Adar2] = Leap ? 29 : 0;
    return Lengths;
}

constexpr std::array<std::int32_t, 6> LengthOfKind = {353, 354, 355, 383, 384, 385};

struct TMonthLayout {
    std::array<std::int32_t, 14> DaysBefore{};  // by month number
    std::array<std::int8_t, 385> MonthOfDay{};  // by day of the year from 0
};

constexpr std::array<TMonthLayout, 6> Layouts = [] {
    std::array<TMonthLayout, 6> All{};
    for (std::size_t Kind = 0; Kind < All.size(); ++Kind) {
        const std::array<std::int32_t, 14> Lengths = MonthLengthsOf(LengthOfKind[Kind]);
        std::int32_t Days = 0;
        for (const std::int32_t Month : MonthsInYearOrder) {
            All[Kind].DaysBefore[static_cast<std::size_t>(Month)] = Days;
            for (std::int32_t Day = 0; Day < Lengths[static_cast<std::size_t>(Month)]; ++Day)
                All[Kind].MonthOfDay[static_cast<std::size_t>(Days + Day)] = static_cast<std::int8_t>(Month);
            Days += Lengths[static_cast<std::size_t>(Month)];
        }
    }
    return All;
}();

static_assert(Layouts[KindOf(385)].DaysBefore[Elul] == 385 - 29);
static_assert(Layouts[KindOf(353)].MonthOfDay[352] == Elul);

TYearSpan SpanAt(std::int32_t Index)
{
    const auto At = static_cast<std::size_t>(Index);
    return {FirstYearWithNewYearDate + Index, FirstDays[At], FirstDays[At + 1] - FirstDays[At]};
}

}  // namespace

TYearSpan YearSpanOf(std::int32_t Year)
{
    return SpanAt(Year - FirstYearWithNewYearDate);
}

TYearSpan YearSpanOfDay(std::int64_t Day)
{
    // The mean year, 235 lunar months over 19 years, places the day within a
    // year of its own; a year's start strays less than a year from the mean,
    // so one step either way at most corrects the guess.
    constexpr std::int64_t CycleParts = MonthsPerCycle * LunarMonthParts;
    const std::int64_t SinceFirst = Day - FirstDays.front();
    auto Index = static_cast<std::int32_t>(SinceFirst * 19 * PartsPerDay / CycleParts);
    if (Index >= TabledYears)
        Index = TabledYears - 1;
    while (Index > 0 && Day < FirstDays[static_cast<std::size_t>(Index)])
        --Index;
    while (Index + 1 < TabledYears && Day >= FirstDays[static_cast<std::size_t>(Index + 1)])
        ++Index;
    return SpanAt(Index);
}

std::int32_t DaysBeforeMonthInYear(std::int32_t Length, std::int32_t Month)
{
    return Layouts[KindOf(Length)].DaysBefore[static_cast<std::size_t>(Month)];
}

std::int32_t MonthOfDayInYear(std::int32_t Length, std::int32_t DayOfYear)
{
    return Layouts[KindOf(Length)].MonthOfDay[static_cast<std::size_t>(DayOfYear)];
}

}  // namespace mirvane
