// The month grid model driven by any sequence of its operations with any
// 32-bit arguments and any dates: every step either lands on a consistent
// page or is refused with a documented error and changes nothing.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"
#include "grid/GregorianMonthLength.h"
#include "grid/MonthGrid.h"

namespace mirvane::fuzz {
namespace {

struct TGridState {
    TDateTime CurrentDate = 0;
    TMonthPage Page;
    bool JewishSelected = false;
    bool ByJewishMonth = false;
    std::int32_t SelectedCol = 0;
    std::int32_t SelectedRow = 0;
    bool operator==(const TGridState&) const = default;
};

TGridState StateOf(const TMonthGrid& Grid)
{
    return {Grid.CurrentDate(), Grid.Page(),       Grid.JewishSelected(),
            Grid.ByJewishMonth(), Grid.SelectedCol(), Grid.SelectedRow()};
}

TCellDate AsCell(const TGregorianDate& Date)
{
    return {Date.Year, Date.Month, Date.Day};
}

TCellDate AsCell(const TJewishDate& Date)
{
    return {Date.Year, Date.Month, Date.Day};
}

void CheckConsistent(const TMonthGrid& Grid)
{
    const TMonthPage& Page = Grid.Page();
    const TDateTime Current = Grid.CurrentDate();
    Require(Current == std::floor(Current), "the grid holds whole days");
    Require(Current >= Page.FirstDate && Current < Page.FirstDate + Page.PageDays, "the date lies on its page");
    Require(Grid.SelectedRow() == FirstDayRow + static_cast<std::int32_t>(Current - Page.FirstDate),
            "the selected row is the date's");
    Require(Grid.SelectedCol() == (Grid.JewishSelected() ? JewishColumn : GregorianColumn),
            "the selected column is the active calendar's");
    Require(Page.FirstWeekday == DayOfWeek(Page.FirstDate), "the page's first weekday");
    const TGregorianDate First = DecodeDate(Page.FirstDate);
    if (Grid.ByJewishMonth()) {
        Require(Page.FirstJewishDay == 1, "a Jewish page begins on the 1st");
        Require(Page.PageDays == 29 || Page.PageDays == 30, "a Jewish month has 29 or 30 days");
        Require(DateTimeToJewish(Page.FirstDate) ==
                    (TJewishDate{Page.FirstJewishYear, Page.FirstJewishMonth, 1}),
                "a Jewish page's first day is the 1st of its month");
    } else {
        Require(First.Day == 1, "a Gregorian page begins on the 1st");
        Require(Page.PageDays == GregorianMonthDays(First.Year, First.Month), "a Gregorian page holds its month");
    }

    const TGregorianDate Gregorian = DecodeDate(Current);
    const TJewishDate Jewish = DateTimeToJewish(Current);
    Require(Grid.CurrentGregorianDate() == Gregorian, "CurrentGregorianDate reads the date");
    Require(Grid.CurrentJewishDate() == Jewish, "CurrentJewishDate reads the date");

    for (std::int32_t Row = 0; Row < GridRowCount + 2; ++Row) {
        const std::int32_t Offset = Row - FirstDayRow;
        const bool DayRow = Offset >= 0 && Offset < Page.PageDays;
        const TCellDate GregorianCell = Grid.CellDate(GregorianColumn, Row);
        const TCellDate JewishCell = Grid.CellDate(JewishColumn, Row);
        if (!DayRow) {
            Require(GregorianCell.Day == -1 && JewishCell.Day == -1, "rows without a day show no date");
            continue;
        }
        Require(GregorianCell == AsCell(DecodeDate(Page.FirstDate + Offset)), "a Gregorian cell shows its day");
        Require(JewishCell == AsCell(DateTimeToJewish(Page.FirstDate + Offset)), "a Jewish cell shows its day");
        Require(Grid.CanSelectCell(GregorianColumn, Row) && Grid.CanSelectCell(JewishColumn, Row),
                "every day cell can be selected");
    }
    for (std::int32_t Col = -1; Col <= GridColCount; ++Col) {
        for (std::int32_t Row = -1; Row <= GridRowCount; ++Row) {
            const std::string Text = Grid.CellText(Col, Row);
            if (Col < 0 || Col >= GridColCount || Row < 0 || Row >= GridRowCount)
                Require(Text.empty(), "cells outside the grid have no text");
        }
    }
}

// Runs one operation: it either succeeds, or is refused with a documented
// text, leaving the grid as it was and raising no change.
template <typename TOperation>
bool Attempt(TMonthGrid& Grid, int& Changes, TOperation&& Operation, const char* What)
{
    const TGridState Before = StateOf(Grid);
    const TRules TheRules = Grid.Rules();
    Changes = 0;
    const bool Done = SucceedsOrRefuses(Operation, {InvalidDateEncodeText, InvalidJewishMonthText}, What);
    if (!Done) {
        Require(StateOf(Grid) == Before && Grid.Rules() == TheRules, "a refused step changes nothing");
        Require(Changes == 0, "a refused step raises no change");
    }
    CheckConsistent(Grid);
    return Done;
}

TDateTime DateOfCalendar(FuzzedDataProvider& Bytes)
{
    return Bytes.ConsumeIntegralInRange<std::int32_t>(static_cast<std::int32_t>(FirstConvertibleDate()), 2958465);
}

void RunStep(TFuzzValues& In, TMonthGrid& Grid, int& Changes)
{
    FuzzedDataProvider& Bytes = In.Bytes();
    const TGridState Before = StateOf(Grid);
    const TGregorianDate Gregorian = DecodeDate(Before.CurrentDate);
    const TJewishDate Jewish = DateTimeToJewish(Before.CurrentDate);
    switch (Bytes.ConsumeIntegralInRange<int>(0, 9)) {
    case 0: {
        const TDateTime Date = Bytes.ConsumeBool() ? In.DateValue() : DateOfCalendar(Bytes);
        if (Attempt(Grid, Changes, [&] { Grid.SetDate(Date); }, "SetDate"))
            Require(Grid.CurrentDate() == std::floor(Date) && Changes > 0, "SetDate selects the day and reports it");
        break;
    }
    case 1: {
        const std::int32_t Kind = In.Integer(0, 4);
        const std::int32_t Value = In.Integer(-1, 10000);
        const bool Done = Attempt(Grid, Changes, [&] { Grid.SetGregorianPart(Kind, Value); }, "SetGregorianPart");
        if (Kind < 1 || Kind > 3 || Value < 1)
            Require(Done && StateOf(Grid) == Before && Changes == 0, "a part that names nothing is ignored");
        else if (Done) {
            const TGregorianDate Now = Grid.CurrentGregorianDate();
            Require((Kind == YearPart ? Now.Year : Kind == MonthPart ? Now.Month : Now.Day) == Value &&
                        !Grid.JewishSelected() && Changes > 0,
                    "SetGregorianPart sets that part");
        }
        break;
    }
    case 2: {
        const std::int32_t Kind = In.Integer(0, 4);
        const std::int32_t Value = Kind == YearPart ? In.JewishYear() : In.Integer(-1, 31);
        const bool Done = Attempt(Grid, Changes, [&] { Grid.SetJewishPart(Kind, Value); }, "SetJewishPart");
        if (Kind < 1 || Kind > 3 || Value < 1)
            Require(Done && StateOf(Grid) == Before && Changes == 0, "a part that names nothing is ignored");
        else if (Done)
            Require(Grid.JewishSelected() && Changes > 0 &&
                        (Kind != YearPart || Grid.CurrentJewishDate().Year == Value),
                    "SetJewishPart sets that part");
        break;
    }
    case 3:
    case 4: {
        const bool Forward = Bytes.ConsumeBool();
        if (!Attempt(Grid, Changes, [&] { Forward ? Grid.GoNextMonth() : Grid.GoPrevMonth(); }, "month step"))
            break;
        Require(Changes > 0 && Grid.JewishSelected() == Before.JewishSelected, "a month step stays in its calendar");
        if (!Before.JewishSelected) {
            const std::int32_t Month = (Gregorian.Month - 1 + (Forward ? 1 : 11)) % 12 + 1;
            Require(Grid.CurrentGregorianDate().Month == Month && Grid.CurrentGregorianDate().Day == Gregorian.Day,
                    "a Gregorian month step keeps the day");
        }
        break;
    }
    case 5: {
        const bool Forward = Bytes.ConsumeBool();
        if (!Attempt(Grid, Changes, [&] { Forward ? Grid.GoNextYear() : Grid.GoPrevYear(); }, "year step"))
            break;
        Require(Changes > 0, "a year step is reported");
        const std::int32_t Step = Forward ? 1 : -1;
        if (Before.JewishSelected)
            Require(Grid.CurrentJewishDate().Year == Jewish.Year + Step, "a Jewish year step moves the Jewish year");
        else
            Require(Grid.CurrentGregorianDate() ==
                        TGregorianDate{Gregorian.Year + Step, Gregorian.Month, Gregorian.Day},
                    "a Gregorian year step keeps the month and day");
        break;
    }
    case 6: {
        const bool Rules = Bytes.ConsumeBool();
        Attempt(Grid, Changes, [&] { Grid.ChangeDiaspora(Rules); }, "ChangeDiaspora");
        Require(Grid.Rules() == RulesOf(Rules) && Changes > 0 && StateOf(Grid) == Before,
                "ChangeDiaspora switches the rules alone");
        break;
    }
    case 7: {
        const bool On = Bytes.ConsumeBool();
        if (Attempt(Grid, Changes, [&] { Grid.SetJewishMonthMode(On); }, "SetJewishMonthMode"))
            Require(Grid.ByJewishMonth() == On && Grid.CurrentDate() == Before.CurrentDate &&
                        Grid.JewishSelected() == Before.JewishSelected && (Changes > 0) == (On != Before.ByJewishMonth),
                    "the page kind changes, the date stays");
        break;
    }
    case 8: {
        const std::int32_t Col = In.Integer(-1, GridColCount);
        const std::int32_t Row = In.Integer(-1, GridRowCount);
        const TCellDate Cell = Grid.CellDate(Col, Row);
        if (Attempt(Grid, Changes, [&] { Grid.ClickCell(Col, Row); }, "ClickCell") && Cell.Day != -1 &&
            Col >= GridFixedCols && Col < GridColCount && Row >= GridFixedRows && Row < GridRowCount)
            Require(Grid.SelectedCol() == Col && Grid.SelectedRow() == Row, "a click on a day selects it");
        break;
    }
    default:
        Attempt(Grid, Changes, [&] { Grid.LayoutMonth(); }, "LayoutMonth");
        Require(StateOf(Grid) == Before, "laying out the same page again changes nothing");
        break;
    }
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    TFuzzValues In(Data, Size);
    const bool InDiaspora = In.Bytes().ConsumeBool();
    const TDateTime Start = DateOfCalendar(In.Bytes());
    const bool ByJewishMonth = In.Bytes().ConsumeBool();
    std::optional<TMonthGrid> Made;
    if (!SucceedsOrRefuses([&] { Made.emplace(Start, ByJewishMonth); }, {InvalidDateEncodeText}, "TMonthGrid"))
        return 0;
    TMonthGrid& Grid = *Made;
    Grid.ChangeDiaspora(InDiaspora);
    int Changes = 0;
    Grid.OnChange = [&Changes](TMonthGrid&) { ++Changes; };
    CheckConsistent(Grid);
    for (int Step = 0; Step < 24 && !In.Empty(); ++Step)
        RunStep(In, Grid, Changes);
    return 0;
}
