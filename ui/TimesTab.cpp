// The Times page: the day's times at the user's place and the month's
// candle lighting, havdalah and fast times. The month sheet is worked out
// when the month changes, not at every new day of it. A new day changes
// texts only: the tables keep their items and, while their texts keep their
// widths, their columns, and nothing above the tables is laid out again.

#include "ui/TimesTab.h"

#include <algorithm>
#include <sstream>


#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/Rules.h"
#include "engine/JewishYear.h"
#include "export/TimesFile.h"
#include "grid/DayDescription.h"
#include "grid/GregorianMonthLength.h"
#include "pages/TimesPageDay.h"
#include "ui/LocalDates.h"
#include "ui/PrintedPage.h"
#include "ui/TimeCaptions.h"
#include "ui/TimesSite.h"
#include "times/CivilDay.h"
#include "times/TimeText.h"
#include "ui/WindowPlaceTitle.h"
#include "widgets/ErrorReport.h"
#include "widgets/MessageBox.h"
#include "widgets/SteadyLabel.h"

namespace mirvane {
namespace {

QString InvitationText()
{
    return QCoreApplication::translate("mirvane::TTimesTab", "Choose your place to see its times of the day: "
                                                             "click Location... or use Options, Location...");
}

// The month sheet's columns: the date, the time, the portion or festival.
constexpr int OccasionColumn = 2;

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

// The direction of a text's first letter; Otherwise for one of digits and
// signs only.
Qt::LayoutDirection DirectionOf(QStringView Text, Qt::LayoutDirection Otherwise)
{
    for (const QChar Char : Text) {
        const QChar::Direction Of = Char.direction();
        if (Of == QChar::DirL)
            return Qt::LeftToRight;
        if (Of == QChar::DirR || Of == QChar::DirAL)
            return Qt::RightToLeft;
    }
    return Otherwise;
}

// A text reads from the edge its own letters start from; one of digits
// and signs only, from the window's.
Qt::Alignment AlignmentOf(const QString& Text, Qt::LayoutDirection Window)
{
    return (DirectionOf(Text, Window) == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
           Qt::AlignVCenter;
}

// In a right-to-left line, the English parts of a list ("1 Tevet 5787" under
// English names) would lose a leading number to the Hebrew before them; a
// left-to-right mark ahead of each keeps its words and numbers in order.
QString KeptInOrder(const QString& List, Qt::LayoutDirection Window)
{
    if (Window != Qt::RightToLeft)
        return List;
    QStringList Parts = List.split(QStringLiteral(", "));
    for (QString& Part : Parts) {
        if (DirectionOf(Part, Window) == Qt::LeftToRight)
            Part.prepend(QChar(0x200E));
    }
    return Parts.join(QStringLiteral(", "));
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
        const Qt::Alignment Alignment = AlignmentOf(Cells[Column], Table.layoutDirection());
        if (Item->textAlignment() != static_cast<int>(Alignment.toInt()))
            Item->setTextAlignment(Alignment);
    }
}

// Sizes the first Columns columns of Table to their texts unless the texts
// are those they were last sized for (Fitted), every digit counted alike as
// the font draws them: measuring every cell again costs more than the rest
// of a new day. True when the columns were sized.
bool FitColumns(QTableWidget& Table, int Columns, QString& Fitted)
{
    QString Texts;
    for (int Row = 0; Row < Table.rowCount(); ++Row) {
        for (int Column = 0; Column < Columns; ++Column) {
            const QTableWidgetItem* Item = Table.item(Row, Column);
            Texts += (Item != nullptr ? Item->text() : QString()) + u'\t';
        }
    }
    for (QChar& Char : Texts) {
        if (Char.isDigit())
            Char = u'0';
    }
    if (Texts == Fitted)
        return false;
    Fitted = Texts;
    for (int Column = 0; Column < Columns; ++Column)
        Table.resizeColumnToContents(Column);
    return true;
}

// A row whose text is wider than Column runs onto as many lines as it
// needs; the others keep one. The rows are measured again only when the
// column's texts or its width are not those of Fitted.
void FitRows(QTableWidget& Table, int Column, TFittedRows& Fitted)
{
    QString Texts = QString::number(Table.columnWidth(Column));
    for (int Row = 0; Row < Table.rowCount(); ++Row) {
        const QTableWidgetItem* Item = Table.item(Row, Column);
        Texts += u'\t' + (Item != nullptr ? Item->text() : QString());
    }
    if (Texts != Fitted.Texts) {
        Fitted.Texts = Texts;
        Fitted.Heights.clear();
        const int OneLine = Table.verticalHeader()->defaultSectionSize();
        for (int Row = 0; Row < Table.rowCount(); ++Row) {
            Table.resizeRowToContents(Row);
            Fitted.Heights.push_back(std::max(OneLine, Table.rowHeight(Row)));
        }
    }
    for (int Row = 0; Row < Table.rowCount(); ++Row) {
        if (Table.rowHeight(Row) != Fitted.Heights[static_cast<std::size_t>(Row)])
            Table.setRowHeight(Row, Fitted.Heights[static_cast<std::size_t>(Row)]);
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
    RulesLine = new QLabel(&Page);
    RulesLine->setObjectName(QStringLiteral("LabelTimesRules"));
    // Named before it has an answer: an empty line still needs a name.
    RulesLine->setAccessibleName(tr("Candle-lighting minutes"));
    Layout->addWidget(RulesLine);

    auto* DateRow = new QHBoxLayout;
    DateLabel = new QLabel(&Page);
    DateBox = new QLineEdit(&Page);
    DateBox->setObjectName(QStringLiteral("EditTimesDate"));
    DateBox->setMaximumWidth(DateBox->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    DateLabel->setBuddy(DateBox);
    auto* DayLine = new TSteadyLabel(&Page);
    DayDescriptionLabel = &DayLine->Label();
    DayDescriptionLabel->setObjectName(QStringLiteral("LabelTimesDay"));
    DayDescriptionLabel->setWordWrap(true);
    DateRow->addWidget(DateLabel);
    DateRow->addWidget(DateBox);
    DateRow->addStretch();
    Layout->addLayout(DateRow);
    Layout->addWidget(DayLine);
    AbsentNote = new QLabel(&Page);
    AbsentNote->setObjectName(QStringLiteral("LabelTimesAbsent"));
    AbsentNote->setAccessibleName(tr("Why a time is absent"));
    AbsentNote->setWordWrap(true);
    AbsentNote->hide();
    Layout->addWidget(AbsentNote);

    Invitation = new QLabel(&Page);
    Invitation->setObjectName(QStringLiteral("LabelChoosePlace"));
    Invitation->setWordWrap(true);
    Layout->addWidget(Invitation);

    auto* Tables = new QHBoxLayout;
    DayTable = MakeTable(Page, "GridDayTimes", 2);
    auto* MonthColumn = new QVBoxLayout;
    auto* MonthLine = new TSteadyLabel(&Page);
    MonthTitle = &MonthLine->Label();
    MonthTitle->setObjectName(QStringLiteral("LabelTimesMonth"));
    MonthTable = MakeTable(Page, "GridMonthTimes", 3);
    MonthColumn->addWidget(MonthLine);
    MonthColumn->addWidget(MonthTable, 1);
    DayTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every time a day can have fits without a scroll bar, which would
    // cover the clock times.
    const int MostRows = static_cast<int>(DayTimeKeys().size());
    DayTable->setMinimumHeight(DayTable->horizontalHeader()->sizeHint().height() +
                               MostRows * DayTable->verticalHeader()->defaultSectionSize() + 2 * DayTable->frameWidth());
    DayTable->horizontalHeader()->setStretchLastSection(false);
    // The portion or festival takes the room the date and the time leave,
    // and a name longer than that runs onto a second line, not cut.
    MonthTable->horizontalHeader()->setSectionResizeMode(OccasionColumn, QHeaderView::Stretch);
    MonthTable->setWordWrap(true);
    // (The header tells of a new width before the table reads it.)
    connect(
        MonthTable->horizontalHeader(), &QHeaderView::sectionResized, this,
        [this](int Column) {
            if (Column == OccasionColumn)
                FitRows(*MonthTable, OccasionColumn, MonthRowsFitted);
        },
        Qt::QueuedConnection);
    Tables->addWidget(DayTable);
    Tables->addLayout(MonthColumn, 1);
    Layout->addLayout(Tables, 1);

    connect(ChooseButton, &QPushButton::clicked, this, &TTimesTab::LocationWanted);
    connect(DateBox, &QLineEdit::textChanged, this, [this] { RunHandler([this] { DateChanged(); }); });
    // A date being typed passes through prefixes that are no dates
    // ("2/29/2"); it is told only once the user leaves the box.
    connect(DateBox, &QLineEdit::editingFinished, this, [this] {
        if (!Day && !DateBox->text().trimmed().isEmpty())
            ShowMessageBox(TBoxKind::Message, NoDateText());
    });
    const QSignalBlocker Quiet(DateBox.get());
    DateBox->setText(DateBoxText(DecodeDate(mirvane::Today()), Choices().Order()));
    Site = TimesSiteOf(Location, Choices().InDiaspora, SiteProblem);
    SetCaptions();
    RunHandler([this] { DateChanged(); });
}

void TTimesTab::SetCaptions()
{
    PlaceLabel->setText(tr("Place:"));
    ChooseButton->setText(tr("&Location..."));
    DateLabel->setText(tr("&Date:"));
    DateBox->setAccessibleName(tr("Date of times"));
    DayTable->setAccessibleName(tr("Times of the day"));
    DayTable->setHorizontalHeaderLabels({tr("Time"), tr("At")});
    MonthTable->setAccessibleName(tr("Candle lighting and havdalah this month"));
    MonthTable->setHorizontalHeaderLabels({tr("Date"), tr("Time"), tr("Portion or festival")});
    // The headings and every text of the tables change with the language.
    DayColumnsFitted.clear();
    MonthColumnsFitted.clear();
    MonthRowsFitted = {};
    SheetMonth.reset();
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
    Day = TimesPageDay(ParseDateEntry(DateBox->text().toStdString(), Choices().Order(), Start.MonthNames));
    ShowAll();
}

QString TTimesTab::NoDateText() const
{
    const TDateOrder Order = Choices().Order();
    return tr("\"%1\" is no date the page can show. Type a day, month and year from %2 to %3, e.g. %4.")
        .arg(DateBox->text().trimmed(), DateBoxText(DecodeDate(FirstConvertibleDate()), Order),
             DateBoxText(DecodeDate(LastTimesPageDay()), Order), DateBoxText(DecodeDate(mirvane::Today()), Order));
}

void TTimesTab::ShowAll()
{
    QString Place = tr("No place chosen");
    if (Location) {
        Place = Location->Name.empty()
                    ? QStringLiteral("%1, %2").arg(QString::number(Location->Latitude, 'f', 5),
                                                   QString::number(Location->Longitude, 'f', 5))
                    : WindowPlaceTitle(*Location, layoutDirection() == Qt::RightToLeft);
        Place += QStringLiteral(" (%1)").arg(QString::fromStdString(Location->TimeZone));
    }
    PlaceName->setText(Place);
    // The line's answer is what a screen reader should hear, not its name.
    PlaceName->setAccessibleName(tr("Place: %1").arg(Place));
    RulesLine->setText(Site ? CandleRuleText(Site->Rules) : QString());
    RulesLine->setVisible(Site.has_value());
    if (Site)
        RulesLine->setAccessibleName(RulesLine->text());
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
    AbsentNote->hide();
    if (!Day) {
        DayDescriptionLabel->clear();
        DayDescriptionLabel->setAccessibleName(tr("Day of times"));
        DayTable->setRowCount(0);
        return;
    }
    const TJewishDate Jewish = DateTimeToJewish(*Day);
    DayDescriptionLabel->setText(KeptInOrder(
        QString::fromStdString(DayDescription(*Day,
                                              Texts.DayText(Jewish.Year, Jewish.Month, Jewish.Day,
                                                            RulesOf(Choices().InDiaspora), Choices().HebrewNames),
                                              Choices().HebrewNames, WindowCivilNames())),
        layoutDirection()));
    DayDescriptionLabel->setAccessibleName(DayDescriptionLabel->text());
    if (!Site) {
        DayTable->setRowCount(0);
        return;
    }
    const TTimeZone& Zone = *Site->Zone;
    const std::chrono::sys_days Date = DayOfDateTime(*Day);
    if (!Zone.HasDay(Date)) {
        DayTable->setRowCount(0);
        AbsentNote->setText(tr("The clocks of %1 skipped this day.").arg(QString::fromStdString(Location->TimeZone)));
        AbsentNote->show();
        return;
    }
    const TDayTimes Times = ComputeDayTimes(Date, Site->Where, Zone, Site->Rules);
    DayTable->setRowCount(static_cast<int>(Times.Times.size()));
    QStringList Reasons;
    for (std::size_t Row = 0; Row < Times.Times.size(); ++Row) {
        const TDayTime& Time = Times.Times[Row];
        SetRow(*DayTable, static_cast<int>(Row), {TimeCaption(Time), WindowClockText(Time, Date, Zone)});
        const QString Reason = AbsenceText(Time);
        if (!Reason.isEmpty() && !Reasons.contains(Reason))
            Reasons.append(Reason);
    }
    // "—" alone would not say whether the sun or the program failed.
    AbsentNote->setText(Reasons.join(QStringLiteral(". ")) + (Reasons.isEmpty() ? QString() : QStringLiteral(".")));
    AbsentNote->setVisible(!Reasons.isEmpty());
    // The day's table is as wide as its captions and times; the month's
    // takes the rest of the page.
    if (!FitColumns(*DayTable, DayTable->columnCount(), DayColumnsFitted))
        return;
    DayTable->setFixedWidth(DayTable->columnWidth(0) + DayTable->columnWidth(1) + 2 * DayTable->frameWidth());
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

// A time that begins the next day's holy day or fast names that day as the
// evening it begins, so that a row of the eve of Pessach's second day, dated
// on its first, does not seem to contradict the page's heading.
QString TTimesTab::EveningOf(const QString& Occasion) const
{
    if (Occasion.isEmpty())
        return Occasion;
    return Choices().HebrewNames ? QStringLiteral("ליל ") + Occasion : QStringLiteral("Evening of ") + Occasion;
}

void TTimesTab::ShowMonth()
{
    if (!Day || !Site) {
        SheetMonth.reset();
        Sheet.clear();
        MonthTitle->clear();
        MonthTitle->setAccessibleName(tr("Month of times"));
        MonthTable->setRowCount(0);
        return;
    }
    const TGregorianDate Date = DecodeDate(*Day);
    const TDateTime First = EncodeDate(Date.Year, Date.Month, 1);
    if (SheetMonth == First)
        return;
    Sheet.clear();
    const TDateTime Last = First + GregorianMonthDays(Date.Year, Date.Month) - 1;
    for (TDateTime Each = First; Each <= Last; ++Each) {
        if (!Site->Zone->HasDay(DayOfDateTime(Each)))
            continue;
        const TDayTimes Times = ComputeDayTimes(DayOfDateTime(Each), Site->Where, *Site->Zone, Site->Rules);
        for (std::size_t Index = DailyTimeCount; Index < Times.Times.size(); ++Index) {
            const TDayTime& Time = Times.Times[Index];
            Sheet.push_back({LocalShortDate(Each),
                             TimeCaption(Time) + u' ' +
                                 WindowClockText(Time, DayOfDateTime(Each), *Site->Zone),
                             Time.BeginsNextDay ? EveningOf(OccasionOf(Each + 1)) : OccasionOf(Each)});
        }
    }
    SheetMonth = First;
    MonthTitle->setText(LocalMonthYear(Date.Month, Date.Year));
    MonthTitle->setAccessibleName(MonthTitle->text());
    MonthTable->setRowCount(static_cast<int>(Sheet.size()));
    for (std::size_t Row = 0; Row < Sheet.size(); ++Row)
        SetRow(*MonthTable, static_cast<int>(Row), {Sheet[Row].Date, Sheet[Row].Time, Sheet[Row].Occasion});
    FitColumns(*MonthTable, OccasionColumn, MonthColumnsFitted);
    FitRows(*MonthTable, OccasionColumn, MonthRowsFitted);
}

QString TTimesTab::PrintedHtml() const
{
    DateBox.get();  // reaching a control makes the page
    QString Html;
    if (Sheet.empty()) {
        Html = QStringLiteral("<p>%1</p>").arg(Invitation->text().toHtmlEscaped());
    } else {
        Html = QStringLiteral("<p><b>%1</b><br>%2</p><h3>%3</h3>")
                   .arg(PlaceName->text().toHtmlEscaped(), RulesLine->text().toHtmlEscaped(),
                        MonthTitle->text().toHtmlEscaped());
        std::vector<QStringList> Rows{{tr("Date"), tr("Time"), tr("Portion or festival")}};
        for (const TSheetRow& Row : Sheet) {
            Rows.push_back({Row.Date, Row.Time, Row.Occasion});
        }
        Html += GridTable(Rows, 1, {20, 30});
    }
    return Html;
}

bool TTimesTab::AskExportDetails(TExportDetails& /*Details*/)
{
    DateBox.get();  // reaching a control makes the page
    if (!Site)
        emit LocationWanted();
    return Site.has_value();
}

QString TTimesTab::PrintedQuestion() const
{
    DateBox.get();  // reaching a control makes the page
    if (!Location || !SheetMonth)
        return {};
    const QString Place = Location->Name.empty() ? tr("the place typed") : QString::fromStdString(Location->Name);
    return QuestionOf({Place, MonthTitle->text()});
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
    const TDateTime Last = *SheetMonth + GregorianMonthDays(Date.Year, Date.Month) - 1;
    std::ostringstream Out;
    WriteTimesFile(Out, Site->Where, *Site->Zone, DayOfDateTime(*SheetMonth), DayOfDateTime(Last), Site->Rules,
                   Format == TExportFormat::Csv ? TTimesFileFormat::Csv : TTimesFileFormat::Ics);
    return Out.str();
}

}  // namespace mirvane
