// The Calendar page: the month grid, its steps, and the two year boxes that
// mirror the years of the selected date and take a typed year.

#include "ui/CalendarTab.h"

#include <algorithm>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "engine/ConvertError.h"
#include "engine/DateServices.h"
#include "engine/HebrewDateText.h"
#include "engine/HebrewNumeral.h"
#include "engine/NameTables.h"
#include "export/CsvText.h"
#include "export/IcsCalendar.h"
#include "export/MonthGridFile.h"
#include "grid/MirvaneGrid.h"
#include "pages/CalendarYearEntry.h"
#include "ui/Controls.h"
#include "ui/LocalDates.h"
#include "ui/PrintedPage.h"
#include "widgets/ErrorReport.h"
#include "widgets/PageGeometry.h"

namespace mirvane {

TCalendarTab::TCalendarTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TWindowPage("TabSheet3", Start, Choices, Parent)
{
}

QString TCalendarTab::Title() const
{
    return tr("Calendar");
}

void TCalendarTab::SetCaptions()
{
    GregorianYear->setAccessibleName(tr("Year"));
    JewishYear->setAccessibleName(tr("Jewish Year"));
    YearLabel->setText(tr("Year"));
    JewishYearLabel->setText(tr("Jewish Year"));
    NextMonth->setText(tr("Next Month"));
    PreviousMonth->setText(tr("Previous Month"));
    NextYear->setText(tr("Next Year"));
    PreviousYear->setText(tr("Previous Year"));
    TodaysDate->setText(tr("Today's Date"));
    Grid->SetCivilNames(WindowCivilNames());
}

void TCalendarTab::Build()
{
    QWidget& Page = *this;
    const TFormScale& Scale = Start.Scale;
    Grid = new TMirvaneGrid(&Page);
    Grid->setObjectName(QStringLiteral("MirvaneGrid1"));
    Scale.Place(*Grid, 8, 4, 345, 369);
    Grid->resize(Grid->width(), std::max(Grid->height(), Grid->minimumSizeHint().height()));
    // Its designed size is its smallest; wider, its text column takes the room.
    Grid->setMinimumSize(Grid->size());
    Grid->SetLuachShow(Choices().LuachShow);

    YearLabel = MakeLabel(Page, "Label17", {});
    GregorianYear = MakeEdit(Page, "Edit20", {});
    JewishYearLabel = MakeLabel(Page, "Label18", {});
    JewishYear = MakeEdit(Page, "Edit21", {});
    YearLabel->setBuddy(GregorianYear);
    JewishYearLabel->setBuddy(JewishYear);
    NextMonth = MakeButton(Page, "Button1", {});
    PreviousMonth = MakeButton(Page, "Button2", {});
    NextYear = MakeButton(Page, "Button3", {});
    PreviousYear = MakeButton(Page, "Button5", {});
    TodaysDate = MakeButton(Page, "Button4", {});
    SetCaptions();

    Scale.PlaceNatural(*YearLabel, 368, 8);
    Scale.Place(*GregorianYear, 368, 24, 50, 21);
    Scale.PlaceNatural(*JewishYearLabel, 368, 48);
    Scale.Place(*JewishYear, 368, 64, 50, 21);
    Scale.Place(*NextMonth, 368, 112, 80, 25);
    Scale.Place(*PreviousMonth, 368, 152, 80, 25);
    Scale.Place(*NextYear, 368, 192, 80, 25);
    Scale.Place(*PreviousYear, 368, 232, 80, 25);
    Scale.Place(*TodaysDate, 368, 304, 80, 25);

    setTabOrder(Grid, NextMonth);
    setTabOrder(NextMonth, PreviousMonth);
    setTabOrder(PreviousMonth, NextYear);
    setTabOrder(NextYear, PreviousYear);
    setTabOrder(PreviousYear, GregorianYear);
    setTabOrder(GregorianYear, JewishYear);
    setTabOrder(JewishYear, TodaysDate);

    Grid->OnChange = [this](TMirvaneGrid&) { GridChange(); };
    connect(NextMonth, &QPushButton::clicked, this, [this] { RunHandler([this] { Grid->GoNextMonth(); }); });
    connect(PreviousMonth, &QPushButton::clicked, this, [this] { RunHandler([this] { Grid->GoPrevMonth(); }); });
    connect(NextYear, &QPushButton::clicked, this, [this] { RunHandler([this] { Grid->GoNextYear(); }); });
    connect(PreviousYear, &QPushButton::clicked, this, [this] { RunHandler([this] { Grid->GoPrevYear(); }); });
    connect(TodaysDate, &QPushButton::clicked, this, [this] { RunHandler([this] { Grid->SetDate(Today()); }); });
    connect(GregorianYear, &QLineEdit::textChanged, this, &TCalendarTab::GregorianYearChange);
    connect(JewishYear, &QLineEdit::textChanged, this, &TCalendarTab::JewishYearChange);
    KeepDesignedPlaces(Page, DesignedSize() + QSize(0, GridGrowth()), {{Grid, TGrowth::Both}});
}

// Diaspora and Israel switch the festival and portion rules of the grid, which
// repaints and notifies; a tick of Show on the Calendar shows or hides its
// category at once.
void TCalendarTab::ChoicesChanged(const TChoices& Old)
{
    RunHandler([&] {
        if (Old.InDiaspora != Choices().InDiaspora) {
            Grid->ChangeDiaspora(Choices().InDiaspora);
        }
        Grid->SetHebrewNames(Choices().HebrewNames);
        if (Old.LuachShow != Choices().LuachShow)
            Grid->SetLuachShow(Choices().LuachShow);
    });
}

void TCalendarTab::ShowDayTimes(const std::optional<TTimesSite>& Site)
{
    Grid->SetDayTimes(Site);
}

int TCalendarTab::GridGrowth() const
{
    return std::max(0, Grid->height() - Start.Scale.Y(369));
}

bool TCalendarTab::ShowJewishMonths(bool ByJewishMonth)
{
    RunHandler([this, ByJewishMonth] { Grid->SetJewishMonthMode(ByJewishMonth); });
    return Grid->ByJewishMonth();
}

void TCalendarTab::GoToAnswer(TDateTime Date)
{
    try {
        Grid->SetDate(Date);
    } catch (const EConvertError&) {
        // The grid refused the date and kept its page.
    }
}

// Writing a box with the text it already holds raises no change, and the
// years written are those of the selected date, so the nested settings land
// on the date the grid already has and the nesting ends by itself.
void TCalendarTab::GridChange()
{
    RunHandler([this] {
        GregorianYear->setText(QString::number(Grid->CurrentGregorianDate().Year));
        JewishYear->setText(QString::number(Grid->CurrentJewishDate().Year));
    });
}

void TCalendarTab::GregorianYearChange()
{
    RunHandler([this] { SetTypedYear(TypedGregorianYear(GregorianYear->text().toStdString(), CalendarYears())); });
}

void TCalendarTab::JewishYearChange()
{
    RunHandler([this] { SetTypedYear(TypedJewishYear(JewishYear->text().toStdString(), CalendarYears())); });
}

TCalendarYears TCalendarTab::CalendarYears() const
{
    return {Grid->CurrentGregorianDate().Year, Grid->CurrentJewishDate().Year, Grid->JewishSelected()};
}

void TCalendarTab::SetTypedYear(const std::optional<TYearInCalendar>& Target)
{
    if (!Target) {
        return;
    }
    if (Target->Jewish) {
        Grid->SetJewishPart(1, Target->Year);
    } else {
        Grid->SetGregorianPart(1, Target->Year);
    }
}

// The month the grid pages through, in the calendar it pages by, named as
// the grid's heading names it.
QString TCalendarTab::PrintedQuestion() const
{
    const TMonthGrid& Model = Grid->Model();
    const TMonthPage& Shown = Model.Page();
    if (Model.ByJewishMonth() && Model.HebrewNames()) {
        return QString::fromStdString(std::string(HebrewMonthName(Shown.FirstJewishYear, Shown.FirstJewishMonth)) + ' ' +
                                      HebrewYearNumeral(Shown.FirstJewishYear));
    }
    if (Model.ByJewishMonth()) {
        return QStringLiteral("%1 %2").arg(
            QString::fromUtf8(Model.YearCalc().GetMonthNames()[static_cast<std::size_t>(Shown.FirstJewishMonth)]),
            QString::number(Shown.FirstJewishYear));
    }
    const TGregorianDate First = DecodeDate(Shown.FirstDate);
    return LocalMonthYear(First.Month, First.Year);
}

// The command line's page has no times and English weekdays and months;
// its calendar file names the days in English, its spreadsheet with the
// grid's names.
std::string TCalendarTab::ExportText(TExportFormat Format, const TExportDetails& /*Details*/,
                                     QString& /*Problem*/) const
{
    TMonthGrid Page = Grid->Model();
    Page.OnChange = nullptr;
    Page.OnRepaint = nullptr;
    Page.SetDayTimes(std::nullopt);
    Page.SetCivilNames(EnglishCivilNames());
    if (Format == TExportFormat::Ics) {
        Page.SetHebrewNames(false);
        return IcsCalendarText(MonthGridEvents(Page));
    }
    std::string Text;
    for (const std::vector<std::string>& Row : MonthGridRows(Page))
        Text += CsvRecord(Row);
    return Text;
}

// The month as the grid shows it: the two heading rows, then every day with
// its weekday, both days and its text.
QString TCalendarTab::PrintedHtml() const
{
    const TMonthGrid& Model = Grid->Model();
    std::vector<QStringList> Rows;
    const std::int32_t LastRow = FirstDayRow + Model.Page().PageDays;
    for (std::int32_t Row = 0; Row < LastRow && Row < GridRowCount; ++Row) {
        QStringList Cells;
        for (std::int32_t Col = 0; Col < GridColCount; ++Col) {
            Cells.append(QString::fromStdString(Model.CellText(Col, Row)).trimmed());
        }
        Rows.push_back(Cells);
    }
    return GridTable(Rows, FirstDayRow, {15, 10, 22});
}

}  // namespace mirvane
