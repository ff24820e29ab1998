// The Year Details page: the calendar facts of one Jewish year and of a
// chosen month of it.

#include "ui/YearDetailsTab.h"

#include <array>
#include <initializer_list>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/YearDetailsPage.h"
#include "ui/Controls.h"
#include "ui/LocalDates.h"
#include "ui/PrintedPage.h"
#include "widgets/ErrorReport.h"
#include "widgets/PageGeometry.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

constexpr int BoxHeight = 21;
// The entries of the month box that name the Adar months, counted from 0.
constexpr int AdarEntryIndex = Adar - 1;
constexpr int SecondAdarEntryIndex = Adar2 - 1;
// The month box's entries before Adar, Nissan first; the Adar entries
// follow the year shown.
constexpr std::array<const char*, AdarEntryIndex> MonthsBeforeAdar{
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Nissan"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Iyar"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Sivan"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Tamuz"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Av"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Elul"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Tishrei"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Cheshvan"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Kislev"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Tevet"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Shvat")
};
// The Adar entries as the year names them.
[[maybe_unused]] constexpr std::array<const char*, 3> AdarNames{
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Adar"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Adar1"),
    QT_TRANSLATE_NOOP("mirvane::TYearDetailsTab", "Adar2")
};

}  // namespace

TYearDetailsTab::TYearDetailsTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TWindowPage("TabSheet1", Start, Choices, Parent)
{
    // Set to this year at once, as the page will show it.
    RunHandler([this] { DetailsYear.SetYear(this->Start.JewishYear); });
}

QString TYearDetailsTab::Title() const
{
    return tr("Year Details");
}

void TYearDetailsTab::SetCaptions()
{
    JewishYear->setAccessibleName(tr("Jewish Year"));
    YearSpinner->FollowBoxName();
    for (const auto& [Output, AccessibleName] : NamedOutputs) {
        Output->setAccessibleName(tr(AccessibleName));
    }
    YearLabel->setText(tr("Jewish Year"));
    CycleLabel->setText(tr("CycleNumber"));
    YearInCycleLabel->setText(tr("Year In Cycle"));
    LeapYear->setText(tr("Leap Year"));
    MoladLabel->setText(tr("New MoonTishrei"));
    FirstDayLabel->setText(tr("First Day of Year"));
    SeasonLabel->setText(tr("Season Nissan"));
    CheshvanLabel->setText(tr("Days In Cheshvan"));
    KislevLabel->setText(tr("Kislev"));
    MonthLabel->setText(tr("Month"));
    MonthDaysLabel->setText(tr("Days In :"));
    MonthMoladLabel->setText(tr("Molad :"));
    for (int Entry = 0; Entry < AdarEntryIndex; ++Entry) {
        Month->setItemText(Entry, tr(MonthsBeforeAdar[static_cast<std::size_t>(Entry)]));
    }
    // The texts the engine writes follow the language too.
    if (DetailsYear.Year != 0 && !JewishYear->text().isEmpty()) {
        ShowYear();
    }
}

QString TYearDetailsTab::MoladText(const TMoladClock& Clock)
{
    return tr("%1 %2:%3 and %4 parts")
        .arg(QString::fromStdString(WindowCivilNames().Weekdays[static_cast<std::size_t>(Clock.Weekday)]))
        .arg(Clock.Hour)
        .arg(Clock.Minute, 2, 10, QLatin1Char('0'))
        .arg(Clock.Parts);
}

QString TYearDetailsTab::SeasonText(const TSeasonTime& Season)
{
    //: Days, hours, parts (1080 to the hour) and moments (76 to the part).
    return tr("%1d %2h %3p %4f").arg(Season.Days).arg(Season.Hours).arg(Season.Parts).arg(Season.Moments);
}

void TYearDetailsTab::Build()
{
    QWidget& Page = *this;
    const TFormScale& Scale = Start.Scale;
    const auto Output = [&](const char* Name, const char* AccessibleName, int Left, int Top, int Width,
                            const QString& Text) {
        QLineEdit* Made = MakeOutput(Page, Name, {}, Text);
        NamedOutputs.emplace_back(Made, AccessibleName);
        Scale.Place(*Made, Left, Top, Width, BoxHeight);
        return Made;
    };
    const auto Placeholder = [](const char* Name) { return QString::fromLatin1(Name); };

    YearLabel = MakeLabel(Page, "Label5", {});
    JewishYear = MakeEdit(Page, "Edit23", {}, QStringLiteral("5750"));
    Scale.Place(*JewishYear, 96, 32, 33, BoxHeight);
    YearSpinner = MakeUpDown(Page, "UpDown1", *JewishYear, 0, 7000, 5750);
    Scale.Place(*YearSpinner, 129, 32, 15, BoxHeight);

    CycleLabel = MakeLabel(Page, "Label6", {});
    CycleNumber = Output("Edit5", QT_TR_NOOP("CycleNumber"), 96, 72, 33, Placeholder("Edit5"));
    YearInCycleLabel = MakeLabel(Page, "Label7", {});
    YearInCycle = Output("Edit6", QT_TR_NOOP("Year In Cycle"), 96, 96, 33, Placeholder("Edit6"));

    // The leap flag is an indicator: a change is undone by its handler.
    LeapYear = MakeCheckBox(Page, "CheckBox1", {});
    LeapYear->setLayoutDirection(Qt::RightToLeft);
    LeapYear->setFocusPolicy(Qt::ClickFocus);
    Scale.Place(*LeapYear, 8, 120, 101, 17);

    MoladLabel = MakeLabel(Page, "Label8", {});
    MoladDays = Output("Edit7", QT_TR_NOOP("Molad of Tishrei days"), 96, 144, 33, Placeholder("Edit7"));
    MoladHours = Output("Edit8", QT_TR_NOOP("Molad of Tishrei hours"), 128, 144, 33, Placeholder("Edit8"));
    MoladParts = Output("Edit9", QT_TR_NOOP("Molad of Tishrei parts"), 160, 144, 33, Placeholder("Edit9"));
    FirstDayLabel = MakeLabel(Page, "Label9", {});
    FirstDayWeekday = Output("Edit10", QT_TR_NOOP("First Day of Year"), 96, 168, 57, Placeholder("Edit10"));
    FirstDayDate = Output("Edit26", QT_TR_NOOP("Date of first day of year"), 96, 192, 153, Placeholder("Edit26"));
    SeasonLabel = MakeLabel(Page, "Label15", {});
    SeasonTime = Output("Edit22", QT_TR_NOOP("Season Nissan"), 96, 224, 105, Placeholder("Edit22"));
    SeasonDay = Output("Edit24", QT_TR_NOOP("Day of Season Nissan"), 96, 248, 65, Placeholder("Edit24"));
    CheshvanLabel = MakeLabel(Page, "Label10", {});
    CheshvanDays = Output("Edit11", QT_TR_NOOP("Days In Cheshvan"), 96, 280, 33, Placeholder("Edit11"));
    KislevLabel = MakeLabel(Page, "Label11", {});
    KislevDays = Output("Edit12", QT_TR_NOOP("Days In Kislev"), 96, 304, 33, Placeholder("Edit12"));

    MonthLabel = MakeLabel(Page, "Label16", {});
    Month = new QComboBox(&Page);
    Month->setObjectName(QStringLiteral("ComboBox1"));
    Month->addItems(QStringList(SecondAdarEntryIndex + 1, QString()));
    Month->setMaxVisibleItems(13);
    Month->setCurrentIndex(-1);
    Scale.Place(*Month, 296, 32, 89, BoxHeight);
    MonthLabel->setBuddy(Month);

    MonthDaysLabel = MakeLabel(Page, "Label12", {});
    MonthDays = Output("Edit14", QT_TR_NOOP("Days in month"), 296, 64, 33, {});
    MonthMoladLabel = MakeLabel(Page, "Label13", {});
    MonthMolad = Output("Edit19", QT_TR_NOOP("Molad of month"), 288, 96, 161, {});
    MonthMoladDays = Output("Edit16", QT_TR_NOOP("Molad of month days"), 296, 120, 33, {});
    MonthMoladHours = Output("Edit17", QT_TR_NOOP("Molad of month hours"), 328, 120, 33, {});
    MonthMoladParts = Output("Edit18", QT_TR_NOOP("Molad of month parts"), 360, 120, 33, {});

    SetCaptions();
    const auto PlaceLabel = [&](QLabel& Label, int Left, int Top) { Scale.PlaceNatural(Label, Left, Top + 3); };
    PlaceLabel(*YearLabel, 8, 32);
    PlaceLabel(*CycleLabel, 8, 72);
    PlaceLabel(*YearInCycleLabel, 8, 96);
    PlaceLabel(*MoladLabel, 8, 144);
    PlaceLabel(*FirstDayLabel, 8, 168);
    PlaceLabel(*SeasonLabel, 8, 224);
    PlaceLabel(*CheshvanLabel, 8, 280);
    PlaceLabel(*KislevLabel, 48, 304);
    PlaceLabel(*MonthLabel, 240, 32);
    PlaceLabel(*MonthDaysLabel, 240, 64);
    PlaceLabel(*MonthMoladLabel, 240, 96);

    setTabOrder(JewishYear, Month);

    connect(JewishYear, &QLineEdit::textChanged, this, &TYearDetailsTab::ShowYear);
    connect(Month, &QComboBox::activated, this, &TYearDetailsTab::ShowMonth);
    // However the tick changed, it snaps back to the year's truth; setting
    // the truth again changes nothing and so raises no further toggle.
    connect(LeapYear, &QCheckBox::toggled, this, &TYearDetailsTab::ShowLeapYear);

    // The option chosen so far, and the page computed for this year.
    FollowHebrewNames();
    RunHandler([this] { YearSpinner->SetPosition(Start.JewishYear); });
    KeepDesignedPlaces(Page, DesignedSize());
}

void TYearDetailsTab::ChoicesChanged(const TChoices& Old)
{
    if (Old.HebrewNames != Choices().HebrewNames) {
        FollowHebrewNames();
        ShowYear();
    }
}

void TYearDetailsTab::FollowHebrewNames()
{
    SeasonDay->setLayoutDirection(Choices().HebrewNames ? Qt::RightToLeft : Qt::LeftToRight);
}

void TYearDetailsTab::ShowYear()
{
    RunHandler([this] {
        TYearDetailsInput Input;
        Input.YearText = JewishYear->text().toStdString();
        Input.MonthIndex = Month->currentIndex();
        Input.ShownYear = DetailsYear.Year;
        Input.HebrewNames = Choices().HebrewNames;
        Input.Names = &WindowCivilNames();
        const TYearDetailsPage Page = ComputeYearDetails(Input);
        if (Page.Year != DetailsYear.Year) {
            DetailsYear.SetYear(Page.Year);
        }
        CycleNumber->setText(QString::fromStdString(Page.CycleNumber));
        YearInCycle->setText(QString::fromStdString(Page.YearInCycle));
        LeapYear->setChecked(Page.IsLeap);
        MoladDays->setText(QString::fromStdString(Page.MoladDays));
        MoladHours->setText(QString::fromStdString(Page.MoladHours));
        MoladParts->setText(QString::fromStdString(Page.MoladParts));
        FirstDayWeekday->setText(QString::fromStdString(Page.FirstDayWeekday));
        CheshvanDays->setText(QString::fromStdString(Page.CheshvanDays));
        KislevDays->setText(QString::fromStdString(Page.KislevDays));
        SeasonTime->setText(SeasonText(Page.Season));
        FirstDayDate->setText(QString::fromStdString(Page.FirstDayDate));
        SeasonDay->setText(QString::fromStdString(Page.SeasonDay));
        ShowMonthDetails(Page.Month);
        // Rewriting the entries in place keeps the selection, also on the
        // blank thirteenth entry of a common year.
        const int Selected = Month->currentIndex();
        Month->setItemText(AdarEntryIndex, tr(Page.AdarEntry.c_str()));
        Month->setItemText(SecondAdarEntryIndex, tr(Page.SecondAdarEntry.c_str()));
        Month->setCurrentIndex(Selected);
    });
}

void TYearDetailsTab::ShowMonthDetails(const TMonthDetails& Details)
{
    MonthDays->setText(QString::fromStdString(Details.Days));
    MonthMoladDays->setText(QString::fromStdString(Details.MoladDays));
    MonthMoladHours->setText(QString::fromStdString(Details.MoladHours));
    MonthMoladParts->setText(QString::fromStdString(Details.MoladParts));
    MonthMolad->setText(MoladText(Details.MoladClock));
}

void TYearDetailsTab::ShowMonth()
{
    // Entry p stands for month p, Nissan first; no entry is month 0.
    RunHandler([this] { ShowMonthDetails(ComputeMonthDetails(DetailsYear, Month->currentIndex() + 1)); });
}

void TYearDetailsTab::ShowLeapYear()
{
    LeapYear->setChecked(DetailsYear.IsLeap);
}

QString TYearDetailsTab::PrintedQuestion() const
{
    return QString::number(Year());
}

QString TYearDetailsTab::PrintedHtml() const
{
    const auto Joined = [](std::initializer_list<const QLineEdit*> Boxes) {
        QStringList Texts;
        for (const QLineEdit* Box : Boxes) {
            Texts.append(Box->text());
        }
        return Texts.join(QLatin1Char(' '));
    };
    const TFacts Facts{{tr("Jewish Year"), JewishYear->text()},
                       {tr("CycleNumber"), CycleNumber->text()},
                       {tr("Year In Cycle"), YearInCycle->text()},
                       {tr("Leap Year"), LeapYear->isChecked() ? tr("yes")
                                                                          : tr("no")},
                       {tr("New Moon Tishrei"), Joined({MoladDays, MoladHours, MoladParts})},
                       {tr("First Day of Year"), FirstDayDate->text().isEmpty() ? FirstDayWeekday->text()
                                                                                           : FirstDayDate->text()},
                       {tr("Season Nissan"), Joined({SeasonTime, SeasonDay})},
                       {tr("Days In Cheshvan"), CheshvanDays->text()},
                       {tr("Days In Kislev"), KislevDays->text()}};
    std::vector<QStringList> Rows{{tr("Month"), tr("Days"), tr("Molad")}};
    // The months in the order of the year, from Tishrei, so that the molads
    // run in time order; each named as the month box names it (entry N is
    // month N + 1, counted from Nissan).
    const std::int32_t Count = DetailsYear.IsLeap ? 13 : 12;
    for (std::int32_t Position = 1; Position <= Count; ++Position) {
        const std::int32_t Number = DetailsYear.MonthAtPosition(Position);
        const TMonthDetails Details = ComputeMonthDetails(DetailsYear, Number);
        Rows.push_back({Month->itemText(Number - 1), QString::fromStdString(Details.Days),
                        QString::fromStdString(Details.MoladText)});
    }
    return FactsTable(Facts) + QStringLiteral("<p></p>") + GridTable(Rows, 1, {20, 10});
}

}  // namespace mirvane
