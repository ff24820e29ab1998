#include <optional>

#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "engine/Portions.h"
#include "engine/Weekdays.h"

namespace mirvane {
namespace {

// Indexes into PortionNames that the schedule's rules name.
constexpr std::int32_t Vayelech = 1;
constexpr std::int32_t Haazinu = 2;
constexpr std::int32_t Vayakel = 24;
constexpr std::int32_t Tazria = 29;
constexpr std::int32_t Achrei = 31;
constexpr std::int32_t Behar = 34;
constexpr std::int32_t Chukat = 41;
constexpr std::int32_t Matot = 44;
constexpr std::int32_t Netzavim = 53;

// What the schedule depends on besides the festivals.
struct TScheduleKind {
    bool Leap = false;
    std::int32_t NewYearWeekday = 0;  // of 1 Tishrei
    std::int32_t NissanWeekday = 0;   // of 1 Nissan, and so of 15 Nissan
    bool InDiaspora = true;
};

// Whether Portion is read together with the one after it. The joins make up
// for the Saturdays a year lacks: fewer in a common year, and fewer in the
// Diaspora when its second festival days fall on a Saturday.
bool JoinsNext(std::int32_t Portion, const TScheduleKind& Kind)
{
    using namespace Weekday;
    const std::int32_t W = Kind.NewYearWeekday;
    const std::int32_t N = Kind.NissanWeekday;
    switch (Portion) {
    case Vayakel:
        return !Kind.Leap && !(W == Thursday && N == Sunday);
    case Tazria:
    case Achrei:
        return !Kind.Leap;
    case Behar:
        return !Kind.Leap && (Kind.InDiaspora || N != Saturday);
    case Chukat:
        return Kind.InDiaspora && N == Thursday;
    case Matot:
        return !(Kind.Leap && (W == Thursday || (N == Saturday && !Kind.InDiaspora)));
    case Netzavim:
        return N == Tuesday || N == Thursday;
    default:
        return false;
    }
}

// A full festival day displaces the weekly portion; the rules of the
// movable entries play no part here. The days are read off the festival
// table once, for the Diaspora and for Israel.
bool DisplacesPortion(std::int32_t Month, std::int64_t Day, bool InDiaspora)
{
    using TDays = std::array<std::array<bool, 31>, 14>;  // by month 1..13 and day 1..30
    static const std::array<TDays, 2> Displacing = [] {
        std::array<TDays, 2> Days{};
        for (const TFestival& Festival : Festivals) {
            if (Festival.Month < 1 || Festival.Month > 13 || Festival.Day < 1 || Festival.Day > 30)
                continue;
            for (const bool Diaspora : {false, true}) {
                if (Festival.Rule == RuleFullFestival || (Festival.Rule == RuleDiasporaOnly && Diaspora))
                    Days[Diaspora ? 1 : 0][static_cast<std::size_t>(Festival.Month)]
                        [static_cast<std::size_t>(Festival.Day)] = true;
            }
        }
        return Days;
    }();
    if (Month < 1 || Month > 13 || Day < 1 || Day > 30)
        return false;
    return Displacing[InDiaspora ? 1 : 0][static_cast<std::size_t>(Month)][static_cast<std::size_t>(Day)];
}

std::string_view PortionName(std::int32_t Index)
{
    return (Index >= 0 && static_cast<std::size_t>(Index) < PortionNames.size())
               ? PortionNames[static_cast<std::size_t>(Index)]
               : std::string_view();
}

constexpr std::int32_t EndOfYear = 0;

}  // namespace

void TJewishYear::ComputePortions()
{
    const TScheduleKind Kind{IsLeap, NewYearWeekday, WeekdayOf(Nissan, 1), GetDiaspora()};
    const bool VayelechReadLastYear =
        NewYearWeekday == Weekday::Thursday || NewYearWeekday == Weekday::Saturday;
    std::int32_t Next = VayelechReadLastYear ? Haazinu : Vayelech;

    // The cursor walks the Saturdays of the year from the first on or after
    // 1 Tishrei; once Elul is over it stays at the end, so the slots after the
    // last Saturday are empty.
    std::int32_t Month = Tishrei;
    std::int64_t Day = 8 - std::int64_t{NewYearWeekday};
    for (std::size_t Slot = 1; Slot < Portions.size(); ++Slot) {
        TPortionSlot& Saturday = Portions[Slot];
        Saturday = {};
        if (Month == EndOfYear)
            continue;
        if (!DisplacesPortion(Month, Day, Kind.InDiaspora)) {
            Saturday.Portion = Next;
            if (JoinsNext(Saturday.Portion, Kind))
                Saturday.JoinedPortion = ++Next;
            ++Next;
        }
        Day += 7;
        if (Day > DaysInMonth(Month)) {
            Day -= DaysInMonth(Month);
            ++Month;
            if (Month == Tishrei)
                Month = EndOfYear;
            else if (Month > (IsLeap ? Adar2 : Adar))
                Month = Nissan;
        }
    }
}

std::string TJewishYear::DayText(std::int32_t Month, std::int32_t Day)
{
    std::string Text = FestivalOfDay(Month, Day);
    AppendPortionText(Text, Month, Day);
    return Text;
}

void TJewishYear::AppendPortionText(std::string& Text, std::int32_t Month, std::int32_t Day)
{
    const std::optional<TPortionSlot> Saturday = SaturdaySlot(Month, Day);
    if (!Saturday)
        return;
    Text += ' ';
    Text += PortionName(Saturday->Portion);
    Text += ' ';
    Text += PortionName(Saturday->JoinedPortion);
}

TPortionSlot TJewishYear::PortionsOfDay(std::int32_t Month, std::int32_t Day)
{
    return SaturdaySlot(Month, Day).value_or(TPortionSlot{});
}

std::optional<TPortionSlot> TJewishYear::SaturdaySlot(std::int32_t Month, std::int32_t Day)
{
    if (!PortionsReady) {
        ComputePortions();
        PortionsReady = true;
    }
    // Only the days of this year have a slot; a day number past its month's
    // end counts on into the following months.
    if (Month < 1 || Month > (IsLeap ? Adar2 : Adar))
        return std::nullopt;
    const std::int64_t Days = std::int64_t{Day} - 1 + DaysBeforeMonth(Month);
    const std::int64_t YearLength = std::int64_t{DaysBeforeMonth(Elul)} + DaysInMonth(Elul);
    if (Days < 0 || Days >= YearLength || (NewYearWeekday + Days) % 7 != 0)
        return std::nullopt;
    const std::int64_t Slot = Days / 7 + 1;
    if (Slot > MaxSaturdays)
        return std::nullopt;
    return Portions[static_cast<std::size_t>(Slot)];
}

}  // namespace mirvane
