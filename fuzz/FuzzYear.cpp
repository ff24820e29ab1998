// The year calculator with any 32-bit year, month and day: SetYear,
// WeekdayOf, MonthMolad, NextMonth, PrevMonth, FindFestival and DayText.
// Refusals must be the documented ones and leave the object as it was;
// accepted years must describe a calendar year consistent with its
// neighbours.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "engine/Portions.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"

namespace mirvane::fuzz {
namespace {

bool SameState(const TJewishYear& Left, const TJewishYear& Right)
{
    return Left.Year == Right.Year && Left.CycleNumber == Right.CycleNumber &&
           Left.YearInCycle == Right.YearInCycle && Left.IsLeap == Right.IsLeap &&
           Left.MoladTishrei == Right.MoladTishrei && Left.NewYearWeekday == Right.NewYearWeekday &&
           Left.MonthDays == Right.MonthDays && Left.NissanSeason == Right.NissanSeason &&
           Left.NissanSeasonText == Right.NissanSeasonText && Left.Portions == Right.Portions &&
           Left.PortionsReady == Right.PortionsReady && Left.NewYearDate == Right.NewYearDate &&
           Left.Rules() == Right.Rules();
}

bool InRange(const TMoonTime& Molad)
{
    return Molad.Days >= 0 && Molad.Days < 7 && Molad.Hours >= 0 && Molad.Hours < 24 && Molad.Parts >= 0 &&
           Molad.Parts < 1080;
}

std::int32_t YearLength(const TJewishYear& Year)
{
    std::int32_t Days = 0;
    for (std::int32_t Month = 1; Month <= 13; ++Month)
        Days += Year.DaysInMonth(Month);
    return Days;
}

void CheckSetYear(const TJewishYear& Year, std::int32_t Number)
{
    Require(Year.Year == Number, "SetYear sets the year");
    Require(Year.CycleNumber == (Number - 1) / 19 + 1 && Year.YearInCycle == (Number - 1) % 19 + 1,
            "the cycle and the year in it");
    Require(Year.IsLeap == LeapCycleTable(Year.YearInCycle), "the leap flag follows the cycle");
    Require(InRange(Year.MoladTishrei), "the molad of Tishrei is a time of the week");
    const std::int32_t Weekday = Year.NewYearWeekday;
    Require(Weekday == 2 || Weekday == 3 || Weekday == 5 || Weekday == 7,
            "1 Tishrei falls on Monday, Tuesday, Thursday or Saturday");
    const std::int32_t Length = YearLength(Year);
    Require(Year.IsLeap ? (Length >= 383 && Length <= 385) : (Length >= 353 && Length <= 355),
            "a year has 353 to 355 days, or 383 to 385 when leap");
    Require(Year.DaysInMonth(Adar2) == (Year.IsLeap ? 29 : 0), "Adar II exists only in a leap year");
    Require(!Year.NissanSeasonText.empty() && Year.NissanSeason.Days >= 0, "the Nissan season is placed");
    if (Number < FirstYearWithNewYearDate) {
        Require(Year.NewYearDate == 0, "years before 3763 have no new-year date");
        return;
    }
    Require(DayOfWeek(Year.NewYearDate) == Weekday, "the new-year date falls on the new-year weekday");
    if (Number > FirstYearWithNewYearDate) {
        TJewishYear Previous;
        Previous.SetYear(Number - 1);
        Require(Previous.NewYearDate + YearLength(Previous) == Year.NewYearDate,
                "a year begins where the one before it ends");
    }
}

// Fasts move off the Saturday; one of each pair of entries holds every year.
bool FallsEveryYear(std::string_view Name)
{
    for (const TFestival& Festival : Festivals) {
        if (Festival.Name == Name &&
            (Festival.Rule == RuleFullFestival || Festival.Rule == RuleMinorDay))
            return true;
    }
    return Name == "Tzom Gedalia" || Name == "17th of Tamuz" || Name == "Tisha B'Av" || Name == "Fast of Ester" ||
           Name == "Purim" || Name == "Shushan Purim" || Name == "Chanukah day 6" || Name == "Chanukah day 7" ||
           Name == "Chanukah day 8";
}

bool IsFast(std::string_view Name)
{
    return Name == "Tzom Gedalia" || Name == "17th of Tamuz" || Name == "Tisha B'Av" || Name == "Fast of Ester";
}

bool IsTableName(std::string_view Name)
{
    for (const TFestival& Festival : Festivals) {
        if (Festival.Name == Name)
            return true;
    }
    return false;
}

void CheckFindFestival(const TJewishYear& Year, std::string_view Name)
{
    const std::optional<TJewishDate> Found = Year.FindFestival(Name);
    if (!Found) {
        Require(!FallsEveryYear(Name), "a festival of every year is found");
        bool DiasporaOnly = false;
        for (const TFestival& Festival : Festivals)
            DiasporaOnly |= Festival.Name == Name && Festival.Rule == RuleDiasporaOnly;
        Require(!DiasporaOnly || !Year.GetDiaspora(), "a Diaspora festival is found in the Diaspora");
        Require(Name != "Purim Katan" || !Year.IsLeap, "Purim Katan falls in every leap year");
        return;
    }
    Require(IsTableName(Name), "only names of the table are found");
    Require(Found->Year == Year.Year, "the festival is found in the calculator's year");
    const std::int32_t Month = Found->Month;
    const std::int32_t Day = Found->Day;
    bool IsEntry = false;
    for (const TFestival& Festival : Festivals)
        IsEntry |= Festival.Name == Name && Festival.Month == Month && Festival.Day == Day;
    Require(IsEntry, "the date found is one of the festival's entries");
    Require(!Year.FestivalOfDay(Month, Day).empty(), "the day found has a festival");
    if (IsFast(Name))
        Require(Year.WeekdayOf(Month, Day) != 7, "no fast falls on a Saturday");
}

// The portions read through a year follow each other without a gap, from
// Vayelech or Haazinu to Netzavim, with VaYelech joined to it or not.
std::vector<std::int32_t> PortionsRead(const TJewishYear& Year)
{
    std::vector<std::int32_t> Read;
    for (const TPortionSlot& Slot : Year.Portions) {
        Require(Slot.Portion >= 0 && Slot.Portion < static_cast<std::int32_t>(PortionCount) &&
                    Slot.JoinedPortion >= 0 && Slot.JoinedPortion < static_cast<std::int32_t>(PortionCount),
                "portion indexes are indexes of the table");
        Require(Slot.JoinedPortion == 0 || Slot.JoinedPortion == Slot.Portion + 1,
                "a portion is joined only to the one after it");
        if (Slot.Portion != 0)
            Read.push_back(Slot.Portion);
        if (Slot.JoinedPortion != 0)
            Read.push_back(Slot.JoinedPortion);
    }
    return Read;
}

void CheckDayTexts(TJewishYear& Year, std::int32_t Month, std::int32_t Day)
{
    const std::string Festival = Year.FestivalOfDay(Month, Day);
    const std::string Text = Year.DayText(Month, Day);
    Require(Year.PortionsReady, "DayText works out the portions");
    Require(Text.compare(0, Festival.size(), Festival) == 0, "the day text begins with the festival");
    const bool InYear = Month >= 1 && Month <= 13 && Year.DaysInMonth(Month) > 0 && Day >= 1 &&
                        Day <= Year.DaysInMonth(Month);
    if (Year.WeekdayOf(Month, Day) != 7)
        Require(Text == Festival, "only Saturdays have a portion");
    else if (InYear)
        Require(Text.size() >= Festival.size() + 2, "every Saturday of the year has a portion slot");

    const std::vector<std::int32_t> Read = PortionsRead(Year);
    Require(!Read.empty() && (Read.front() == 1 || Read.front() == 2), "a year starts with Vayelech or Haazinu");
    for (std::size_t Index = 1; Index < Read.size(); ++Index)
        Require(Read[Index] == Read[Index - 1] + 1, "the portions follow each other without a gap");
    Require(Read.back() == 53 || Read.back() == 54, "a year ends with Netzavim, or Netzavim and VaYelech");
    if (Year.Year < LastYearWithNewYearDate) {
        TJewishYear Next;
        Next.SetYear(Year.Year + 1);
        Next.ComputePortions();
        const std::vector<std::int32_t> NextRead = PortionsRead(Next);
        Require((Read.back() == 54) == (NextRead.front() == 2),
                "Vayelech is read once: at the end of a year or at the start of the next");
    }
}

void CheckMonthSteps(TJewishYear Year, std::int32_t Month)
{
    const std::int32_t Number = Year.Year;
    const std::int64_t Last = Year.IsLeap ? 13 : 12;
    std::int64_t Expected = std::int64_t{Month} + 1;
    if (Expected > Last)
        Expected = 1;
    TJewishYear Stepped = Year;
    const bool Moved = SucceedsOrRefuses([&] { Require(Stepped.NextMonth(Month) == Expected, "NextMonth"); },
                                         {InvalidDateEncodeText}, "NextMonth");
    if (!Moved)
        Require(Expected == Tishrei && Number == LastYearWithNewYearDate && SameState(Stepped, Year),
                "only a step beyond the last year is refused, and changes nothing");
    else
        Require(Stepped.Year == (Expected == Tishrei ? Number + 1 : Number), "NextMonth into Tishrei moves the year");

    Expected = std::int64_t{Month} - 1;
    if (Expected == 0)
        Expected = Last;
    Stepped = Year;
    Require(static_cast<std::int64_t>(Stepped.PrevMonth(Month)) == static_cast<std::int32_t>(Expected), "PrevMonth");
    Require(Stepped.Year == (Expected == Elul && Number > 1 ? Number - 1 : Number),
            "PrevMonth into Elul moves the year back");
}

void CheckMonth(const TJewishYear& Year, std::int32_t Month, std::int32_t Day)
{
    Require((Year.DaysInMonth(Month) == 0) || (Month >= 1 && Month <= 13), "months outside 1..13 have no days");
    const std::int32_t Weekday = Year.WeekdayOf(Month, Day);
    if (Month < 1 || Month > 13) {
        Require(Weekday == 0, "WeekdayOf is 0 for a month outside 1..13");
    } else {
        Require(Weekday >= 1 && Weekday <= 7, "WeekdayOf is a weekday");
        const bool MonthOfYear = Month != Adar2 || Year.IsLeap;
        if (Year.Year >= FirstYearWithNewYearDate && MonthOfYear)
            Require(DayOfWeek(JewishToDateTime(Year.Year, Month, Day)) == Weekday,
                    "WeekdayOf agrees with the date's weekday");
    }
    const std::optional<TMoonTime> Molad = Year.MonthMolad(Month);
    Require(Molad.has_value() == (Month >= 1), "only a month from 1 up has a molad");
    if (Molad)
        Require(InRange(*Molad), "a month's molad is a time of the week");
    if (Month == Tishrei)
        Require(Molad == Year.MoladTishrei, "the molad of Tishrei");
}

std::string FestivalName(FuzzedDataProvider& Bytes)
{
    if (Bytes.ConsumeBool())
        return Bytes.ConsumeRandomLengthString(40);
    std::string Name(Bytes.PickValueInArray(Festivals).Name);
    if (Bytes.ConsumeBool() && !Name.empty())
        Name[Bytes.ConsumeIntegralInRange<std::size_t>(0, Name.size() - 1)] = Bytes.ConsumeIntegral<char>();
    return Name;
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    FuzzedDataProvider& Bytes = In.Bytes();
    TJewishYear Year(RulesOf(Bytes.ConsumeBool()));
    // Often a year set before, so that a refusal can be seen to change nothing.
    if (Bytes.ConsumeBool())
        Year.SetYear(Bytes.ConsumeIntegralInRange<std::int32_t>(1, LastYearWithNewYearDate));
    const std::int32_t Number = In.JewishYear();
    const TJewishYear Before = Year;
    const bool Set = SucceedsOrRefuses([&] { Year.SetYear(Number); }, {InvalidDateEncodeText}, "SetYear");
    if (!Set)
        Require(Number > LastYearWithNewYearDate, "SetYear refuses only years beyond the calendar");
    if (!Set || Number <= 0) {
        Require(SameState(Year, Before), "a year SetYear does not take changes nothing");
        return 0;
    }
    CheckSetYear(Year, Number);

    for (int Round = 0; Round < 8 && !In.Empty(); ++Round) {
        const std::int32_t Month = In.JewishMonth();
        const std::int32_t Day = In.JewishDay();
        switch (Bytes.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            CheckMonth(Year, Month, Day);
            break;
        case 1:
            CheckMonthSteps(Year, Month);
            break;
        case 2:
            CheckFindFestival(Year, FestivalName(Bytes));
            break;
        default:
            Year.SetDiaspora(Bytes.ConsumeBool());
            CheckDayTexts(Year, Month, Day);
            break;
        }
    }
    return 0;
}
