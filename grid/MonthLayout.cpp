#include "grid/MonthLayout.h"

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "grid/GregorianMonthLength.h"
#include "grid/GridShape.h"

namespace mirvane {
namespace {

// The month of Date's whole day and the one, two or three Jewish months its
// days fall in.
void LayoutGregorianPage(TDateTime Date, TMonthLayout& Layout)
{
    TMonthPage& Page = Layout.Page;
    TJewishYear& Calculator = Layout.YearCalc;
    const TGregorianDate Selected = DecodeDate(Date);
    Page.FirstDate = EncodeDate(Selected.Year, Selected.Month, 1);
    const TJewishDate First = DateTimeToJewish(Page.FirstDate);
    Page.FirstJewishYear = First.Year;
    Page.FirstJewishMonth = First.Month;
    Page.FirstJewishDay = First.Day;
    Calculator.SetYear(First.Year);
    Page.FirstGregorianYear = Selected.Year;
    Page.FirstGregorianMonth = Selected.Month;
    Page.PageDays = GregorianMonthDays(Selected.Year, Selected.Month);
    Page.FirstJewishMonthDays = Calculator.DaysInMonth(First.Month);

    // Days of the page after the end of the first Jewish month. Past Elul the
    // calculator moves on to the year that begins with Tishrei.
    const std::int32_t Rest = Page.PageDays - Page.FirstJewishMonthDays + First.Day - 1;
    if (Rest > 0) {
        Page.SecondJewishMonth = Calculator.NextMonth(First.Month);
        Page.SecondJewishMonthDays = Calculator.DaysInMonth(Page.SecondJewishMonth);
        if (Rest > Page.SecondJewishMonthDays)
            Page.ThirdJewishMonth = Calculator.NextMonth(Page.SecondJewishMonth);
        if (Calculator.Year != First.Year)
            Page.NextJewishYear = Calculator.Year;
    }
    Layout.SelectedRow = Selected.Day + FirstDayRow - 1;
}

// The Jewish month holding Date's whole day and the one, two or three
// Gregorian months it touches.
void LayoutJewishPage(TDateTime Date, TMonthLayout& Layout)
{
    TMonthPage& Page = Layout.Page;
    TJewishYear& Calculator = Layout.YearCalc;
    const TJewishDate Selected = DateTimeToJewish(Date);
    Page.FirstJewishYear = Selected.Year;
    Page.FirstJewishMonth = Selected.Month;
    Page.FirstJewishDay = 1;
    Page.FirstDate = JewishToDateTime(Selected.Year, Selected.Month, 1);
    // Every day of a page must convert back, or selecting it would fail.
    if (Page.FirstDate < FirstConvertibleDate())
        throw EConvertError(InvalidDateEncodeText);
    Calculator.SetYear(Selected.Year);
    Page.PageDays = Calculator.DaysInMonth(Selected.Month);
    Page.FirstJewishMonthDays = Page.PageDays;

    const TGregorianDate First = DecodeDate(Page.FirstDate);
    const TGregorianDate Last = DecodeDate(Page.FirstDate + Page.PageDays - 1);
    if (First.Year == 0 || Last.Year == 0)
        throw EConvertError(InvalidDateEncodeText);
    Page.FirstGregorianYear = First.Year;
    Page.FirstGregorianMonth = First.Month;
    Page.NextGregorianYear = Last.Year != First.Year ? Last.Year : 0;
    // Up to 30 days touch at most three months, and three only when the
    // middle one is February.
    switch ((Last.Month - First.Month + 12) % 12) {
    case 1:
        Page.SecondGregorianMonth = Last.Month;
        break;
    case 2:
        Page.SecondGregorianMonth = Last.Month - 1;
        Page.ThirdGregorianMonth = Last.Month;
        break;
    default:
        break;
    }
    Layout.SelectedRow = static_cast<std::int32_t>(Date - Page.FirstDate) + FirstDayRow;
}

}  // namespace

TMonthLayout LayoutMonthPage(TDateTime Date, bool ByJewishMonth)
{
    const auto WholeDay = WholeDays(Date);
    if (!WholeDay)
        throw EConvertError(InvalidDateEncodeText);
    const auto Day = static_cast<TDateTime>(*WholeDay);
    TMonthLayout Layout;
    if (ByJewishMonth)
        LayoutJewishPage(Day, Layout);
    else
        LayoutGregorianPage(Day, Layout);
    Layout.Page.FirstWeekday = DayOfWeek(Layout.Page.FirstDate);
    return Layout;
}

}  // namespace mirvane
