#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/CivilNames.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "grid/DayTextCache.h"
#include "grid/DayTimesText.h"
#include "grid/GridShape.h"
#include "grid/MonthPage.h"
#include "luach/LuachDays.h"

namespace mirvane {

// The date a day cell shows; Day is -1 when the cell shows none.
struct TCellDate {
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = -1;
    bool operator==(const TCellDate&) const = default;
};

// The month grid without its window: one selected date, the page of the
// Gregorian or Jewish month that holds it, the selected cell, the month and
// year steps in either calendar and the text of every cell. The desktop grid
// shows it; the command line prints it.
//
// Every operation that fails (EConvertError "Invalid argument to date encode"
// or "Invalid Jewish Month") leaves the grid exactly as it was and raises no
// OnChange. Every successful change of the date or the page, a completed
// selection and ChangeDiaspora end with NotifyChange.
class TMonthGrid {
public:
    using TChangeHandler = std::function<void(TMonthGrid& Sender)>;

    // Today's Gregorian month, today selected in the Gregorian column.
    TMonthGrid();
    // The Gregorian (or with ByJewishMonth the Jewish) month of Date, Date
    // selected in the Gregorian column. Throws EConvertError when that month
    // cannot be shown.
    explicit TMonthGrid(TDateTime Date, bool ByJewishMonth = false);

    // Called after each change of the date, the page, the selection or the
    // rules; the handler may call back into the grid. May be empty.
    TChangeHandler OnChange;
    // Called whenever what the grid shows may have changed (a new layout, a
    // change of rules), before OnChange. For the window that draws the grid.
    std::function<void()> OnRepaint;

    TDateTime CurrentDate() const { return FCurrentDate; }
    const TMonthPage& Page() const { return FPage; }
    // The calculator set to the Jewish year of the page's first day, or to the
    // next year on a Gregorian page that reaches 1 Tishrei.
    const TJewishYear& YearCalc() const { return FYearCalc; }
    // The active calendar: the selection is in the Jewish day column.
    bool JewishSelected() const { return FJewishSelected; }
    bool ByJewishMonth() const { return FByJewishMonth; }
    std::int32_t SelectedCol() const { return FSelectedCol; }
    std::int32_t SelectedRow() const { return FSelectedRow; }

    // Days of the Gregorian month of CurrentDate, and its year's leap flag.
    std::int32_t GregorianMonthDays() const;
    bool IsGregorianLeap() const;

    // CurrentDate in either calendar.
    TGregorianDate CurrentGregorianDate() const { return DecodeDate(FCurrentDate); }
    TJewishDate CurrentJewishDate() const;

    void SetDate(TDateTime Value);
    // Replace one part of the date in that calendar, making it the active
    // one. Values below 1 and other kinds are ignored. A Gregorian date that
    // does not exist is refused; a Jewish day beyond its month counts on into
    // the next, a month the year lacks is refused, and so are Jewish years
    // before 3763, which have no dates.
    void SetGregorianPart(std::int32_t Kind, std::int32_t Value);
    void SetJewishPart(std::int32_t Kind, std::int32_t Value);

    // Month and year steps in the active calendar, keeping the day.
    void GoNextMonth();
    void GoPrevMonth();
    void GoNextYear();
    void GoPrevYear();

    // Festival and portion rules of the Diaspora (true) or Israel; the page
    // stays and OnChange is raised even when the rules were already in force.
    void ChangeDiaspora(bool Value);
    TRules Rules() const { return FRules; }
    // Jewish days, months, years, festivals and portions in Hebrew letters
    // (true) or as numbers and English names. Asks for a repaint when it
    // changes; the date and the selection stay, so no OnChange.
    void SetHebrewNames(bool On);
    bool HebrewNames() const { return FHebrewNames; }
    // The weekday and Gregorian month names and the long dates of the window's
    // language; English until told otherwise. Asks for a repaint, no OnChange.
    void SetCivilNames(const TCivilNames& Names);
    // The candle lighting, havdalah and fast times at Site added to the text
    // column on their days; nothing for none. Asks for a repaint, no
    // OnChange.
    void SetDayTimes(const std::optional<TTimesSite>& Site);
    bool ShowsDayTimes() const { return TimesText.HasSite(); }
    int DayTimesCandleMinutes() const { return TimesText.CandleMinutes(); }
    // The luach's categories and learning cycles added to the text column
    // after the festival and portion; festivals alone at first. Asks for a
    // repaint, no OnChange.
    void SetLuachShow(const TLuachShow& Show);
    const TLuachShow& LuachShow() const { return FLuachShow; }
    // Jewish-month pages (true) or Gregorian-month pages; the date and the
    // active calendar stay. Nothing happens when the kind is already shown.
    void SetJewishMonthMode(bool On);

    // Lays out the page of CurrentDate again.
    void LayoutMonth();
    void NotifyChange();

    // Date shown by a cell of the Gregorian or the Jewish day column.
    TCellDate CellDate(std::int32_t Col, std::int32_t Row) const;
    std::int32_t CellDay(std::int32_t Col, std::int32_t Row) const;

    // Only the day cells of the two day columns can take the selection.
    bool CanSelectCell(std::int32_t Col, std::int32_t Row) const;
    // The selection stands on (Col, Row): select that cell's date in its
    // calendar. Nothing happens for a cell without a day.
    void CellClicked(std::int32_t Col, std::int32_t Row);
    // A click on (Col, Row): a day cell takes the selection; any other cell
    // outside the headings leaves it where it is, and the selected cell's
    // date is set again. Heading cells and cells outside the grid do nothing.
    void ClickCell(std::int32_t Col, std::int32_t Row);

    // The text a cell shows; empty outside the grid. Reads festival and
    // portion rules, so its result follows ChangeDiaspora.
    std::string CellText(std::int32_t Col, std::int32_t Row) const;
    // The candle lighting, havdalah and fast times that end a day's text in
    // CellText; empty for any other cell and without a place.
    std::string CellTimes(std::int32_t Col, std::int32_t Row) const;
    // On a day of the Omer while the Omer is shown, its count as it is
    // said, in English and then in Hebrew on a line of its own; empty for
    // any other cell.
    std::string CellOmerCount(std::int32_t Col, std::int32_t Row) const;
    // The selected day as one sentence (see DayDescription).
    std::string SelectedDayDescription() const;

private:
    bool IsDayRow(std::int32_t Row) const;
    std::string HeadingText(std::int32_t Col, std::int32_t Row) const;
    std::string DayRowText(std::int32_t Col, std::int32_t Row) const;
    // The luach entries of Date shown beside the festival; empty when none.
    std::string LuachText(TDateTime Date) const;
    // A day's festival and portion text with the luach entries of Date after
    // it.
    std::string WithLuach(std::string DayText, TDateTime Date) const;
    // The luach entries of Date in the categories shown.
    const std::vector<const TLuachEntry*>& LuachEntries(TDateTime Date) const;
    // One month or year forward (Direction 1) or back (-1) in the active
    // calendar.
    void StepMonth(std::int32_t Direction);
    void StepYear(std::int32_t Direction);
    // Lays out Date under the given choices and commits it only if that works.
    void Show(TDateTime Date, bool JewishSelected, bool ByJewishMonth);
    void ShowAndNotify(TDateTime Date, bool JewishSelected);

    TDateTime FCurrentDate = 0;
    TMonthPage FPage;
    TJewishYear FYearCalc;
    bool FJewishSelected = false;
    bool FByJewishMonth = false;
    bool FHebrewNames = false;
    TRules FRules = TRules::Diaspora;
    TCivilNames FNames = EnglishCivilNames();
    std::int32_t FSelectedCol = GregorianColumn;
    std::int32_t FSelectedRow = FirstDayRow;
    mutable TDayTextCache TextCache;
    mutable TDayTimesText TimesText;
    TLuachShow FLuachShow;
    // Made when the luach first shows more than the festivals, and again
    // when the rules or the choice change.
    mutable std::optional<TLuachDays> LuachDays;
};

}  // namespace mirvane
