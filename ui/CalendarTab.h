#pragma once

#include <optional>

#include "engine/DateServices.h"
#include "times/DayTimes.h"
#include "ui/WindowPage.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace mirvane {

class TMirvaneGrid;
struct TCalendarYears;
struct TYearInCalendar;

// The Calendar page: the month grid, its steps, and the two year boxes that
// mirror the years of the selected date and take a typed year. It is made
// with the window, whose size follows the grid's. Its controls keep their
// form names as object names.
class TCalendarTab : public TWindowPage {
    Q_OBJECT

public:
    TCalendarTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent);

    QString Title() const override;
    QString PrintedHtml() const override;
    QString PrintedQuestion() const override;
    bool HasExportList() const override { return true; }
    // The month shown, as "month" writes it for the same page, rules, names
    // and luach choice.
    std::string ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const override;
    // How much taller than designed a taller font made the grid: the page
    // and the window are designed that much taller.
    int GridGrowth() const;
    // Gregorian- or Jewish-month pages; the answer is what the grid really
    // lays out, also when it refused the switch.
    bool ShowJewishMonths(bool ByJewishMonth);
    // Another page's answer: the grid turns to it, or keeps its page when
    // it cannot lay the date out.
    void GoToAnswer(TDateTime Date);
    // The grid's text column with the times at Site on their days, or
    // without them.
    void ShowDayTimes(const std::optional<TTimesSite>& Site);

private:
    void Build() override;
    void ChoicesChanged(const TChoices& Old) override;
    void SetCaptions() override;
    void GridChange();
    void GregorianYearChange();
    void JewishYearChange();
    // The page's years, and a typed year handed to the grid.
    TCalendarYears CalendarYears() const;
    void SetTypedYear(const std::optional<TYearInCalendar>& Target);

    TPageControl<TMirvaneGrid> Grid{Controls};
    TPageControl<QLabel> YearLabel{Controls};
    TPageControl<QLineEdit> GregorianYear{Controls};
    TPageControl<QLabel> JewishYearLabel{Controls};
    TPageControl<QLineEdit> JewishYear{Controls};
    TPageControl<QPushButton> NextMonth{Controls};
    TPageControl<QPushButton> PreviousMonth{Controls};
    TPageControl<QPushButton> NextYear{Controls};
    TPageControl<QPushButton> PreviousYear{Controls};
    TPageControl<QPushButton> TodaysDate{Controls};
};

}  // namespace mirvane
