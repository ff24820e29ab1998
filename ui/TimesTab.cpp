// The Times page: the day's times at the user's place and the month's
// candle lighting, havdalah and fast times. The month sheet is worked out
// when the month changes, not at every new day of it.

#include "ui/TimesTab.h"

#include <sstream>

#include <date/tz.h>

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/Rules.h"
#include "engine/GregorianDateText.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"
#include "export/TimesFile.h"
#include "grid/DayDescription.h"
#include "ui/TimesSite.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"
#include "widgets/ErrorReport.h"

namespace mirvane {
namespace {

QString Text(std::string_view Value)
{
    return QString::fromUtf8(Value.data(), static_cast<qsizetype>(Value.size()));
}

QString InvitationText()
{
    return QCoreApplication::translate("mirvane::TTimesTab", "Choose your place to see its times of the day: "
                                                             "click Location... or use Options, Location...");
}

// "Fri 4 Dec".
QString ShortDateText(TDateTime Day)
{
    const TGregorianDate Date = DecodeDate(Day);
    return QStringLiteral("%1 %2 %3")
        .arg(Text(DayNames[static_cast<std::size_t>(DayOfWeek(Day))]).left(3))
        .arg(Date.Day)
        .arg(Text(GregorianMonthShort[static_cast<std::size_t>(Date.Month)]));
}

QTableWidget* MakeTable(QWidget& Page, const char* Name, int Columns)
{
    auto* Table = new QTableWidget(0, Columns, &Page);
    Table->setObjectName(QString::fromLatin1(Name));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 4);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setWordWrap(false);
    return Table;
}

// The items of a row already there take the new texts, so a new day only
// repaints what changed.
void SetRow(QTableWidget& Table, int Row, const QStringList& Cells)
{
    for (qsizetype Column = 0; Column < Cells.size(); ++Column) {
        QTableWidgetItem* Item = Table.item(Row, static_cast<int>(Column));
        if (Item == nullptr) {
            Item = new QTableWidgetItem;
            Table.setItem(Row, static_cast<int>(Column), Item);
        }
        if (Item->text() != Cells[Column])
            Item->setText(Cells[Column]);
        const Qt::Alignment Alignment = Cells[Column].isRightToLeft() ? Qt::AlignRight | Qt::AlignVCenter
                                                                      : Qt::AlignLeft | Qt::AlignVCenter;
        if (Item->textAlignment() != static_cast<int>(Alignment.toInt()))
            Item->setTextAlignment(Alignment);
    }
}

}  // namespace

TTimesTab::TTimesTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TWindowPage("TabSheetTimes", Start, Choices, Parent)
{
}

QString TTimesTab::Title() const
{
    return tr("Times");
}

void TTimesTab::Build()
{
    QWidget& Page = *this;
    auto* Layout = new QVBoxLayout(&Page);
    auto* PlaceRow = new QHBoxLayout;
    PlaceLabel = new QLabel(&Page);
    PlaceName = new QLabel(&Page);
    PlaceName->setObjectName(QStringLiteral("LabelPlace"));
    PlaceName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    PlaceName->setWordWrap(true);
    ChooseButton = new QPushButton(&Page);
    ChooseButton->setObjectName(QStringLiteral("ButtonLocation"));
    PlaceRow->addWidget(PlaceLabel);
    PlaceRow->addWidget(PlaceName, 1);
    PlaceRow->addWidget(ChooseButton);
    Layout->addLayout(PlaceRow);

    auto* DateRow = new QHBoxLayout;
    DateLabel = new QLabel(&Page);
    DateBox = new QLineEdit(&Page);
    DateBox->setObjectName(QStringLiteral("EditTimesDate"));
    DateBox->setMaximumWidth(DateBox->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    DateLabel->setBuddy(DateBox);
    DayDescriptionLabel = new QLabel(&Page);
    DayDescriptionLabel->setObjectName(QStringLiteral("LabelTimesDay"));
    DayDescriptionLabel->setWordWrap(true);
    DateRow->addWidget(DateLabel);
    DateRow->addWidget(DateBox);
    DateRow->addStretch();
    Layout->addLayout(DateRow);
    Layout->addWidget(DayDescriptionLabel);

    Invitation = new QLabel(&Page);
    Invitation->setObjectName(QStringLiteral("LabelChoosePlace"));
    Invitation->setWordWrap(true);
    Layout->addWidget(Invitation);

    auto* Tables = new QHBoxLayout;
    DayTable = MakeTable(Page, "GridDayTimes", 2);
    auto* MonthColumn = new QVBoxLayout;
    MonthTitle = new QLabel(&Page);
    MonthTitle->setObjectName(QStringLiteral("LabelTimesMonth"));
    MonthTable = MakeTable(Page, "GridMonthTimes", 3);
    MonthColumn->addWidget(MonthTitle);
    MonthColumn->addWidget(MonthTable, 1);
    DayTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    DayTable->horizontalHeader()->setStretchLastSection(false);
    Tables->addWidget(DayTable);
    Tables->addLayout(MonthColumn, 1);
    Layout->addLayout(Tables, 1);

    connect(ChooseButton, &QPushButton::clicked, this, &TTimesTab::LocationWanted);
    connect(DateBox, &QLineEdit::textChanged, this, [this] { RunHandler([this] { DateChanged(); }); });
    const QSignalBlocker Quiet(DateBox.get());
    DateBox->setText(DateBoxText(DecodeDate(mirvane::Today()), Choices().Order()));
    Site = TimesSiteOf(Location, Choices().InDiaspora, SiteProblem);
    SetCaptions();
    RunHandler([this] { DateChanged(); });
}

void TTimesTab::SetCaptions()
{
    PlaceLabel->setText(tr("Place:"));
    PlaceName->setAccessibleName(tr("Place"));
    ChooseButton->setText(tr("&Location..."));
    DateLabel->setText(tr("&Date:"));
    DateBox->setAccessibleName(tr("Date of times"));
    DayDescriptionLabel->setAccessibleName(tr("Day of times"));
    DayTable->setAccessibleName(tr("Times of the day"));
    DayTable->setHorizontalHeaderLabels({tr("Time"), tr("At")});
    MonthTitle->setAccessibleName(tr("Month of times"));
    MonthTable->setAccessibleName(tr("Candle lighting and havdalah this month"));
    MonthTable->setHorizontalHeaderLabels({tr("Date"), tr("Time"), tr("Portion or festival")});
    if (Day || !Invitation->text().isEmpty())
        RunHandler([this] { ShowAll(); });
}

void TTimesTab::SetLocation(const std::optional<TLocation>& NewLocation)
{
    Location = NewLocation;
    if (!Made())
        return;
    Site = TimesSiteOf(Location, Choices().InDiaspora, SiteProblem);
    SheetMonth.reset();
    RunHandler([this] { ShowAll(); });
}

void TTimesTab::ChoicesChanged(const TChoices& Old)
{
    if (Old.InDiaspora == Choices().InDiaspora && Old.HebrewNames == Choices().HebrewNames)
        return;
    if (Site)
        Site->Rules.Diaspora = Choices().InDiaspora;
    SheetMonth.reset();
    RunHandler([this] { ShowAll(); });
}

void TTimesTab::DateChanged()
{
    const TDateEntry Entry = ParseDateEntry(DateBox->text().toStdString(), Choices().Order(), Start.MonthNames);
    Day.reset();
    if (Entry.Usable()) {
        const TDateTime Typed = EncodeDate(Entry.Year, Entry.Month, Entry.Day);
        DateTimeToJewish(Typed);  // a day the calendar does not reach is refused here
        Day = Typed;
    }
    ShowAll();
}

void TTimesTab::ShowAll()
{
    QString Place = tr("No place chosen");
    if (Location) {
        Place = Location->Name.empty()
                    ? QStringLiteral("%1, %2").arg(QString::number(Location->Latitude, 'f', 5),
                                                   QString::number(Location->Longitude, 'f', 5))
                    : QString::fromStdString(Location->Name + ", " + Location->Country);
        Place += QStringLiteral(" (%1)").arg(QString::fromStdString(Location->TimeZone));
    }
    PlaceName->setText(Place);
    const bool Shown = Site.has_value();
    Invitation->setText(SiteProblem.isEmpty() ? InvitationText() : SiteProblem);
    Invitation->setVisible(!Shown);
    DayTable->setVisible(Shown);
    MonthTitle->setVisible(Shown);
    MonthTable->setVisible(Shown);
    ShowDay();
    ShowMonth();
}

void TTimesTab::ShowDay()
{
    if (!Day) {
        DayDescriptionLabel->clear();
        DayTable->setRowCount(0);
        return;
    }
    const TJewishDate Jewish = DateTimeToJewish(*Day);
    DayDescriptionLabel->setText(QString::fromStdString(DayDescription(
        *Day, Texts.DayText(Jewish.Year, Jewish.Month, Jewish.Day, RulesOf(Choices().InDiaspora), Choices().HebrewNames), Choices().HebrewNames)));
    if (!Site) {
        DayTable->setRowCount(0);
        return;
    }
    const date::time_zone& Zone = *Site->Zone;
    const TDayTimes Times = ComputeDayTimes(DayOfDateTime(*Day), Site->Where, Zone, Site->Rules);
    DayTable->setRowCount(static_cast<int>(Times.Times.size()));
    for (std::size_t Row = 0; Row < Times.Times.size(); ++Row) {
        const TDayTime& Time = Times.Times[Row];
        SetRow(*DayTable, static_cast<int>(Row),
               {Text(Time.Caption), QString::fromStdString(ClockTextOrDash(Time.At, Zone, Time.Rounding))});
    }
    // The day's table is as wide as its captions and times; the month's
    // takes the rest of the page.
    DayTable->resizeColumnsToContents();
    DayTable->setFixedWidth(DayTable->columnWidth(0) + DayTable->columnWidth(1) + 2 * DayTable->frameWidth() +
                            DayTable->verticalScrollBar()->sizeHint().width());
}

QString TTimesTab::OccasionOf(TDateTime Of) const
{
    try {
        const TJewishDate Jewish = DateTimeToJewish(Of);
        return QString::fromStdString(Texts.DayText(Jewish.Year, Jewish.Month, Jewish.Day, RulesOf(Choices().InDiaspora), Choices().HebrewNames)).trimmed();
    } catch (const EConvertError&) {
        return {};
    }
}

void TTimesTab::ShowMonth()
{
    if (!Day || !Site) {
        SheetMonth.reset();
        Sheet.clear();
        MonthTitle->clear();
        MonthTable->setRowCount(0);
        return;
    }
    const TGregorianDate Date = DecodeDate(*Day);
    const TDateTime First = EncodeDate(Date.Year, Date.Month, 1);
    if (SheetMonth == First)
        return;
    Sheet.clear();
    const TDateTime Last = First + (Date.Month == 12 ? EncodeDate(Date.Year + 1, 1, 1) - First
                                                     : EncodeDate(Date.Year, Date.Month + 1, 1) - First) -
                           1;
    for (TDateTime Each = First; Each <= Last; ++Each) {
        const TDayTimes Times = ComputeDayTimes(DayOfDateTime(Each), Site->Where, *Site->Zone, Site->Rules);
        for (std::size_t Index = DailyTimeCount; Index < Times.Times.size(); ++Index) {
            const TDayTime& Time = Times.Times[Index];
            // Candles, and the fast of Tisha B'Av at sunset, begin the next
            // day's holy day or fast; the rest belong to their own day.
            const bool Begins = Time.Key == "candleLighting" ||
                                (Time.Key == "fastBegins" && Time.At == Times.Times[DailyTimeCount - 2].At);
            Sheet.push_back({ShortDateText(Each),
                             Text(Time.Caption) + u' ' +
                                 QString::fromStdString(ClockTextOrDash(Time.At, *Site->Zone, Time.Rounding)),
                             OccasionOf(Begins ? Each + 1 : Each)});
        }
    }
    SheetMonth = First;
    MonthTitle->setText(QStringLiteral("%1 %2").arg(Text(GregorianMonthNames[static_cast<std::size_t>(Date.Month)]))
                            .arg(Date.Year));
    MonthTable->setRowCount(static_cast<int>(Sheet.size()));
    for (std::size_t Row = 0; Row < Sheet.size(); ++Row)
        SetRow(*MonthTable, static_cast<int>(Row), {Sheet[Row].Date, Sheet[Row].Time, Sheet[Row].Occasion});
    MonthTable->resizeColumnsToContents();
}

QString TTimesTab::PrintedHtml() const
{
    DateBox.get();  // reaching a control makes the page
    if (Sheet.empty())
        return QStringLiteral("<p>%1</p>").arg(Invitation->text().toHtmlEscaped());
    QString Html = QStringLiteral("<p><b>%1</b></p><h3>%2</h3>")
                       .arg(PlaceName->text().toHtmlEscaped(), MonthTitle->text().toHtmlEscaped());
    Html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>"
                           "<th width=\"20%\">%1</th><th width=\"30%\">%2</th><th>%3</th></tr>")
                .arg(tr("Date"), tr("Time"), tr("Portion or festival"));
    for (const TSheetRow& Row : Sheet) {
        const QString Align = Row.Occasion.isRightToLeft() ? QStringLiteral(" align=\"right\"") : QString();
        Html += QStringLiteral("<tr><td>%1</td><td>%2</td><td%3>%4</td></tr>")
                    .arg(Row.Date.toHtmlEscaped(), Row.Time.toHtmlEscaped(), Align, Row.Occasion.toHtmlEscaped());
    }
    return Html + QStringLiteral("</table>");
}

std::string TTimesTab::ExportText(TExportFormat Format, const TExportDetails& /*Details*/, QString& Problem) const
{
    DateBox.get();  // reaching a control makes the page
    if (!Site || !SheetMonth) {
        Problem = Site ? tr("Type a date to export its month's times.")
                        : tr("Choose your place first: Options, Location...");
        return {};
    }
    const TGregorianDate Date = DecodeDate(*SheetMonth);
    const TDateTime Next = Date.Month == 12 ? EncodeDate(Date.Year + 1, 1, 1) : EncodeDate(Date.Year, Date.Month + 1, 1);
    std::ostringstream Out;
    WriteTimesFile(Out, Site->Where, *Site->Zone, DayOfDateTime(*SheetMonth), DayOfDateTime(Next - 1), Site->Rules,
                   Format == TExportFormat::Csv ? TTimesFileFormat::Csv : TTimesFileFormat::Ics);
    return Out.str();
}

}  // namespace mirvane
