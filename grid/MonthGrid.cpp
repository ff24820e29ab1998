#include "grid/MonthGrid.h"

#include <utility>

#include "engine/ConvertError.h"
#include "grid/GregorianMonthLength.h"
#include "grid/MonthLayout.h"

namespace mirvane {
namespace {

// Jewish years before 3763 have no new-year date, so their "dates" would land
// around 1900; refuse them like any other date that does not exist.
TDateTime JewishDateValue(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    if (Year < FirstYearWithNewYearDate)
        throw EConvertError(InvalidDateEncodeText);
    return JewishToDateTime(Year, Month, Day);
}

// Replaces one part; false for a kind that names none.
bool ReplacePart(std::int32_t Kind, std::int32_t Value, std::int32_t& Year, std::int32_t& Month,
                 std::int32_t& Day)
{
    switch (Kind) {
    case YearPart:
        Year = Value;
        return true;
    case MonthPart:
        Month = Value;
        return true;
    case DayPart:
        Day = Value;
        return true;
    default:
        return false;
    }
}

}  // namespace

TMonthGrid::TMonthGrid()
    : TMonthGrid(Today())
{
}

TMonthGrid::TMonthGrid(TDateTime Date, bool ByJewishMonth)
{
    Show(Date, false, ByJewishMonth);
}

std::int32_t TMonthGrid::GregorianMonthDays() const
{
    const TGregorianDate Date = DecodeDate(FCurrentDate);
    return mirvane::GregorianMonthDays(Date.Year, Date.Month);
}

bool TMonthGrid::IsGregorianLeap() const
{
    return mirvane::IsGregorianLeap(DecodeDate(FCurrentDate).Year);
}

TJewishDate TMonthGrid::CurrentJewishDate() const
{
    // Every date the grid holds has been laid out, so it converts.
    return DateTimeToJewish(FCurrentDate);
}

void TMonthGrid::SetDate(TDateTime Value)
{
    ShowAndNotify(Value, FJewishSelected);
}

void TMonthGrid::SetGregorianPart(std::int32_t Kind, std::int32_t Value)
{
    if (Value < 1)
        return;
    TGregorianDate Date = DecodeDate(FCurrentDate);
    if (!ReplacePart(Kind, Value, Date.Year, Date.Month, Date.Day))
        return;
    ShowAndNotify(EncodeDate(Date.Year, Date.Month, Date.Day), false);
}

void TMonthGrid::SetJewishPart(std::int32_t Kind, std::int32_t Value)
{
    if (Value < 1)
        return;
    TJewishDate Date = CurrentJewishDate();
    if (!ReplacePart(Kind, Value, Date.Year, Date.Month, Date.Day))
        return;
    ShowAndNotify(JewishDateValue(Date.Year, Date.Month, Date.Day), true);
}

void TMonthGrid::GoNextMonth()
{
    StepMonth(1);
}

void TMonthGrid::GoPrevMonth()
{
    StepMonth(-1);
}

void TMonthGrid::GoNextYear()
{
    StepYear(1);
}

void TMonthGrid::GoPrevYear()
{
    StepYear(-1);
}

void TMonthGrid::StepMonth(std::int32_t Direction)
{
    if (FJewishSelected) {
        // The calendar's own order of months, in the selected date's year;
        // from Elul to Tishrei and back the year changes too.
        const TJewishDate Date = CurrentJewishDate();
        TJewishYear Calculator;
        Calculator.SetYear(Date.Year);
        const bool Forward = Direction > 0;
        const std::int32_t Month = Forward ? Calculator.NextMonth(Date.Month) : Calculator.PrevMonth(Date.Month);
        if (Month == (Forward ? Tishrei : Elul))
            SetDate(JewishDateValue(Date.Year + Direction, Month, Date.Day));
        else
            SetJewishPart(MonthPart, Month);
        return;
    }
    const TGregorianDate Date = DecodeDate(FCurrentDate);
    const std::int32_t Month = Date.Month + Direction;
    if (Month < 1 || Month > 12)
        SetDate(EncodeDate(Date.Year + Direction, Month < 1 ? 12 : 1, Date.Day));
    else
        SetGregorianPart(MonthPart, Month);
}

void TMonthGrid::StepYear(std::int32_t Direction)
{
    if (FJewishSelected)
        SetJewishPart(YearPart, CurrentJewishDate().Year + Direction);
    else
        SetGregorianPart(YearPart, CurrentGregorianDate().Year + Direction);
}

void TMonthGrid::ChangeDiaspora(bool Value)
{
    FRules = RulesOf(Value);
    LuachDays.reset();
    if (OnRepaint)
        OnRepaint();
    NotifyChange();
}

void TMonthGrid::SetHebrewNames(bool On)
{
    if (On == FHebrewNames)
        return;
    FHebrewNames = On;
    if (OnRepaint)
        OnRepaint();
}

void TMonthGrid::SetCivilNames(const TCivilNames& Names)
{
    FNames = Names;
    if (OnRepaint)
        OnRepaint();
}

void TMonthGrid::SetDayTimes(const std::optional<TTimesSite>& Site)
{
    TimesText.SetSite(Site);
    if (OnRepaint)
        OnRepaint();
}

void TMonthGrid::SetLuachShow(const TLuachShow& Show)
{
    FLuachShow = Show;
    LuachDays.reset();
    if (OnRepaint)
        OnRepaint();
}

void TMonthGrid::SetJewishMonthMode(bool On)
{
    if (On == FByJewishMonth)
        return;
    Show(FCurrentDate, FJewishSelected, On);
    NotifyChange();
}

void TMonthGrid::LayoutMonth()
{
    Show(FCurrentDate, FJewishSelected, FByJewishMonth);
}

void TMonthGrid::NotifyChange()
{
    // A copy, so a handler may replace OnChange while it runs.
    if (const TChangeHandler Handler = OnChange)
        Handler(*this);
}

void TMonthGrid::Show(TDateTime Date, bool JewishSelected, bool ByJewishMonth)
{
    TMonthLayout Layout = LayoutMonthPage(Date, ByJewishMonth);
    FCurrentDate = Layout.Page.FirstDate + (Layout.SelectedRow - FirstDayRow);
    FPage = Layout.Page;
    FYearCalc = std::move(Layout.YearCalc);
    FJewishSelected = JewishSelected;
    FByJewishMonth = ByJewishMonth;
    FSelectedCol = JewishSelected ? JewishColumn : GregorianColumn;
    FSelectedRow = Layout.SelectedRow;
    if (OnRepaint)
        OnRepaint();
}

void TMonthGrid::ShowAndNotify(TDateTime Date, bool JewishSelected)
{
    Show(Date, JewishSelected, FByJewishMonth);
    NotifyChange();
}

bool TMonthGrid::IsDayRow(std::int32_t Row) const
{
    return Row >= FirstDayRow && Row <= LastDayRow && Row - FirstDayRow < FPage.PageDays;
}

TCellDate TMonthGrid::CellDate(std::int32_t Col, std::int32_t Row) const
{
    if (!IsDayRow(Row))
        return {};
    const std::int32_t Offset = Row - FirstDayRow;
    if (Col == GregorianColumn) {
        const TGregorianDate Date = DecodeDate(FPage.FirstDate + Offset);
        return {Date.Year, Date.Month, Date.Day};
    }
    if (Col != JewishColumn)
        return {};
    TCellDate Date{FPage.FirstJewishYear, FPage.FirstJewishMonth, FPage.FirstJewishDay + Offset};
    // Past the end of a month into the next; the year changes at Tishrei.
    const auto EnterMonth = [this, &Date](std::int32_t Month, std::int32_t DaysBefore) {
        Date.Day -= DaysBefore;
        Date.Month = Month;
        if (Month == Tishrei)
            Date.Year = FPage.NextJewishYear;
    };
    if (Date.Day > FPage.FirstJewishMonthDays) {
        EnterMonth(FPage.SecondJewishMonth, FPage.FirstJewishMonthDays);
        if (Date.Day > FPage.SecondJewishMonthDays)
            EnterMonth(FPage.ThirdJewishMonth, FPage.SecondJewishMonthDays);
    }
    return Date;
}

std::int32_t TMonthGrid::CellDay(std::int32_t Col, std::int32_t Row) const
{
    return CellDate(Col, Row).Day;
}

bool TMonthGrid::CanSelectCell(std::int32_t Col, std::int32_t Row) const
{
    return CellDay(Col, Row) != -1;
}

void TMonthGrid::CellClicked(std::int32_t Col, std::int32_t Row)
{
    if (!CanSelectCell(Col, Row))
        return;
    ShowAndNotify(FPage.FirstDate + (Row - FirstDayRow), Col == JewishColumn);
}

void TMonthGrid::ClickCell(std::int32_t Col, std::int32_t Row)
{
    if (Col < GridFixedCols || Col >= GridColCount || Row < GridFixedRows || Row >= GridRowCount)
        return;
    if (CanSelectCell(Col, Row))
        CellClicked(Col, Row);
    else
        CellClicked(FSelectedCol, FSelectedRow);
}

}  // namespace mirvane
