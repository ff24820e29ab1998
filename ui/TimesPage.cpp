// The Times page: the day's times at the user's place and the month's
// candle lighting, havdalah and fast times. The month sheet is worked out
// when the month changes, not at every new day of it.

#include "ui/TimesPage.h"

#include <sstream>

#include <date/tz.h>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/GregorianDateText.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"
#include "export/TimesFile.h"
#include "grid/DayDescription.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"
#include "widgets/ErrorReport.h"

namespace mirvane {
namespace {

QString Text(std::string_view Value)
{
    return QString::fromUtf8(Value.data(), static_cast<qsizetype>(Value.size()));
}

QString DateBoxText(TGregorianDate Date, TDateOrder Order)
{
    switch (Order) {
    case MonthDayYear:
        return QStringLiteral("%1/%2/%3").arg(Date.Month).arg(Date.Day).arg(Date.Year);
    case YearMonthDay:
        return QStringLiteral("%1/%2/%3").arg(Date.Year).arg(Date.Month).arg(Date.Day);
    default:
        return QStringLiteral("%1/%2/%3").arg(Date.Day).arg(Date.Month).arg(Date.Year);
    }
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

QTableWidget* MakeTable(QWidget& Page, const QString& AccessibleName, const QStringList& Headings)
{
    auto* Table = new QTableWidget(0, static_cast<int>(Headings.size()), &Page);
    Table->setAccessibleName(AccessibleName);
    Table->setHorizontalHeaderLabels(Headings);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 4);
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setWordWrap(false);
    return Table;
}

void SetRow(QTableWidget& Table, int Row, const QStringList& Cells)
{
    for (qsizetype Column = 0; Column < Cells.size(); ++Column) {
        auto* Item = new QTableWidgetItem(Cells[Column]);
        if (Cells[Column].isRightToLeft())
            Item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Table.setItem(Row, static_cast<int>(Column), Item);
    }
}

}  // namespace

TTimesPage::TTimesPage(QWidget* Parent) : QWidget(Parent)
{
    setObjectName(QStringLiteral("TabSheetTimes"));
}

void TTimesPage::showEvent(QShowEvent* Event)
{
    Controls.Make();
    QWidget::showEvent(Event);
}

void TTimesPage::Build(QWidget& Page)
{
    auto* Layout = new QVBoxLayout(&Page);
    auto* PlaceRow = new QHBoxLayout;
    auto* PlaceLabel = new QLabel(QStringLiteral("Place:"), &Page);
    PlaceName = new QLabel(&Page);
    PlaceName->setAccessibleName(QStringLiteral("Place"));
    PlaceName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ChooseButton = new QPushButton(QStringLiteral("&Location..."), &Page);
    ChooseButton->setObjectName(QStringLiteral("ButtonLocation"));
    PlaceRow->addWidget(PlaceLabel);
    PlaceRow->addWidget(PlaceName, 1);
    PlaceRow->addWidget(ChooseButton);
    Layout->addLayout(PlaceRow);

    auto* DateRow = new QHBoxLayout;
    auto* DateLabel = new QLabel(QStringLiteral("&Date:"), &Page);
    DateBox = new QLineEdit(&Page);
    DateBox->setObjectName(QStringLiteral("EditTimesDate"));
    DateBox->setAccessibleName(QStringLiteral("Date of times"));
    DateBox->setMaximumWidth(DateBox->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    DateLabel->setBuddy(DateBox);
    DayDescriptionLabel = new QLabel(&Page);
    DayDescriptionLabel->setAccessibleName(QStringLiteral("Day of times"));
    DateRow->addWidget(DateLabel);
    DateRow->addWidget(DateBox);
    DateRow->addWidget(DayDescriptionLabel, 1);
    Layout->addLayout(DateRow);

    Invitation = new QLabel(QStringLiteral("Choose your place to see its times of the day: click Location... or "
                                           "use Options, Location..."),
                            &Page);
    Invitation->setWordWrap(true);
    Layout->addWidget(Invitation);

    auto* Tables = new QHBoxLayout;
    DayTable = MakeTable(Page, QStringLiteral("Times of the day"), {QStringLiteral("Time"), QStringLiteral("At")});
    auto* MonthColumn = new QVBoxLayout;
    MonthTitle = new QLabel(&Page);
    MonthTable = MakeTable(Page, QStringLiteral("Candle lighting and havdalah this month"),
                           {QStringLiteral("Date"), QStringLiteral("Time"), QStringLiteral("Portion or festival")});
    MonthColumn->addWidget(MonthTitle);
    MonthColumn->addWidget(MonthTable, 1);
    Tables->addWidget(DayTable, 11);
    Tables->addLayout(MonthColumn, 10);
    Layout->addLayout(Tables, 1);

    connect(ChooseButton, &QPushButton::clicked, this, [this] {
        if (OnChooseLocation)
            OnChooseLocation();
    });
    connect(DateBox, &QLineEdit::textChanged, this, [this] { RunHandler([this] { DateChanged(); }); });
    const QSignalBlocker Quiet(DateBox.get());
    DateBox->setText(DateBoxText(DecodeDate(mirvane::Today()), Order));
    RunHandler([this] { DateChanged(); });
}

void TTimesPage::SetLocation(const std::optional<TLocation>& NewLocation)
{
    Location = NewLocation;
    Zone = nullptr;
    ZoneProblem.clear();
    if (Location) {
        try {
            Zone = date::locate_zone(Location->TimeZone);
        } catch (const std::exception&) {
            ZoneProblem = QStringLiteral("The time zone %1 is not in the system's zone database; choose the place "
                                         "again.")
                              .arg(QString::fromStdString(Location->TimeZone));
        }
    }
    SheetMonth.reset();
    if (Made())
        RunHandler([this] { ShowAll(); });
}

void TTimesPage::SetDateReading(TDateOrder NewOrder, const TLocaleMonthNames& Names)
{
    Order = NewOrder;
    MonthNames = Names;
}

void TTimesPage::SetHebrewNames(bool On)
{
    HebrewNames = On;
    SheetMonth.reset();
    if (Made())
        RunHandler([this] { ShowAll(); });
}

void TTimesPage::RulesChanged()
{
    SheetMonth.reset();
    if (Made())
        RunHandler([this] { ShowAll(); });
}

std::optional<TTimesSite> TTimesPage::Site() const
{
    if (!Location || !Zone)
        return std::nullopt;
    return TTimesSite{{Location->Latitude, Location->Longitude},
                      Zone,
                      {Location->CandleMinutes, Location->HavdalahMinutes, Diaspora}};
}

void TTimesPage::DateChanged()
{
    const TDateEntry Entry = ParseDateEntry(DateBox->text().toStdString(), Order, MonthNames);
    Day.reset();
    if (Entry.Usable()) {
        const TDateTime Typed = EncodeDate(Entry.Year, Entry.Month, Entry.Day);
        DateTimeToJewish(Typed);  // a day the calendar does not reach is refused here
        Day = Typed;
    }
    ShowAll();
}

void TTimesPage::ShowAll()
{
    QString Place = QStringLiteral("No place chosen");
    if (Location) {
        Place = Location->Name.empty()
                    ? QStringLiteral("%1, %2").arg(QString::number(Location->Latitude, 'f', 5),
                                                   QString::number(Location->Longitude, 'f', 5))
                    : QString::fromStdString(Location->Name + ", " + Location->Country);
        Place += QStringLiteral(" (%1)").arg(QString::fromStdString(Location->TimeZone));
    }
    PlaceName->setText(Place);
    const bool Shown = Site().has_value();
    Invitation->setText(ZoneProblem.isEmpty() ? Invitation->text() : ZoneProblem);
    Invitation->setVisible(!Shown);
    DayTable->setVisible(Shown);
    MonthTitle->setVisible(Shown);
    MonthTable->setVisible(Shown);
    ShowDay();
    ShowMonth();
}

void TTimesPage::ShowDay()
{
    DayDescriptionLabel->clear();
    DayTable->setRowCount(0);
    if (!Day)
        return;
    const TJewishDate Jewish = DateTimeToJewish(*Day);
    DayDescriptionLabel->setText(QString::fromStdString(DayDescription(
        *Day, Texts.DayText(Jewish.Year, Jewish.Month, Jewish.Day, HebrewNames), HebrewNames)));
    const std::optional<TTimesSite> Where = Site();
    if (!Where)
        return;
    const TDayTimes Times = ComputeDayTimes(DayOfDateTime(*Day), Where->Where, *Zone, Where->Rules);
    DayTable->setRowCount(static_cast<int>(Times.Times.size()));
    for (std::size_t Row = 0; Row < Times.Times.size(); ++Row) {
        const TDayTime& Time = Times.Times[Row];
        SetRow(*DayTable, static_cast<int>(Row),
               {Text(Time.Caption), QString::fromStdString(ClockTextOrDash(Time.At, *Zone, Time.Rounding))});
    }
    DayTable->resizeColumnToContents(0);
}

QString TTimesPage::OccasionOf(TDateTime Of) const
{
    try {
        const TJewishDate Jewish = DateTimeToJewish(Of);
        return QString::fromStdString(Texts.DayText(Jewish.Year, Jewish.Month, Jewish.Day, HebrewNames)).trimmed();
    } catch (const EConvertError&) {
        return {};
    }
}

void TTimesPage::ShowMonth()
{
    const std::optional<TTimesSite> Where = Site();
    if (!Day || !Where) {
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
        const TDayTimes Times = ComputeDayTimes(DayOfDateTime(Each), Where->Where, *Zone, Where->Rules);
        for (std::size_t Index = DailyTimeCount; Index < Times.Times.size(); ++Index) {
            const TDayTime& Time = Times.Times[Index];
            // Candles, and the fast of Tisha B'Av at sunset, begin the next
            // day's holy day or fast; the rest belong to their own day.
            const bool Begins = Time.Key == "candleLighting" ||
                                (Time.Key == "fastBegins" && Time.At == Times.Times[DailyTimeCount - 2].At);
            Sheet.push_back({ShortDateText(Each),
                             Text(Time.Caption) + u' ' +
                                 QString::fromStdString(ClockTextOrDash(Time.At, *Zone, Time.Rounding)),
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

QString TTimesPage::PrintedHtml() const
{
    if (!Made() || Sheet.empty())
        return QStringLiteral("<p>%1</p>").arg(Invitation->text().toHtmlEscaped());
    QString Html = QStringLiteral("<p><b>%1</b></p><h3>%2</h3>")
                       .arg(PlaceName->text().toHtmlEscaped(), MonthTitle->text().toHtmlEscaped());
    Html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\"><tr>"
                           "<th width=\"20%\">Date</th><th width=\"30%\">Time</th><th>Portion or festival</th></tr>");
    for (const TSheetRow& Row : Sheet) {
        const QString Align = Row.Occasion.isRightToLeft() ? QStringLiteral(" align=\"right\"") : QString();
        Html += QStringLiteral("<tr><td>%1</td><td>%2</td><td%3>%4</td></tr>")
                    .arg(Row.Date.toHtmlEscaped(), Row.Time.toHtmlEscaped(), Align, Row.Occasion.toHtmlEscaped());
    }
    return Html + QStringLiteral("</table>");
}

std::string TTimesPage::ExportText(TExportFormat Format, QString& Problem) const
{
    const std::optional<TTimesSite> Where = Site();
    if (!Where || !SheetMonth) {
        Problem = Where ? QStringLiteral("Type a date to export its month's times.")
                        : QStringLiteral("Choose your place first: Options, Location...");
        return {};
    }
    const TGregorianDate Date = DecodeDate(*SheetMonth);
    const TDateTime Next = Date.Month == 12 ? EncodeDate(Date.Year + 1, 1, 1) : EncodeDate(Date.Year, Date.Month + 1, 1);
    std::ostringstream Out;
    WriteTimesFile(Out, Where->Where, *Zone, DayOfDateTime(*SheetMonth), DayOfDateTime(Next - 1), Where->Rules,
                   Format == TExportFormat::Csv ? TTimesFileFormat::Csv : TTimesFileFormat::Ics);
    return Out.str();
}

}  // namespace mirvane
