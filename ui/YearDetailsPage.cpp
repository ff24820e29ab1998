// The Year Details page: the calendar facts of one Jewish year and of a
// chosen month of it.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "pages/YearDetailsPage.h"
#include "ui/Controls.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

constexpr int BoxHeight = 21;
// The entries of ComboBox1 that name the Adar months, counted from 0.
constexpr int AdarEntryIndex = Adar - 1;
constexpr int SecondAdarEntryIndex = Adar2 - 1;

}  // namespace

void TForm1::BuildYearDetailsPage(QWidget& Page)
{
    const auto Label = [&](const char* Name, const char* Caption, int Left, int Top) {
        QLabel* Made = MakeLabel(Page, Name, QString::fromLatin1(Caption));
        Scale.PlaceNatural(*Made, Left, Top + 3);
        return Made;
    };
    const auto Output = [&](const char* Name, const char* AccessibleName, int Left, int Top, int Width,
                            const QString& Text) {
        QLineEdit* Made = MakeOutput(Page, Name, QString::fromLatin1(AccessibleName), Text);
        Scale.Place(*Made, Left, Top, Width, BoxHeight);
        return Made;
    };
    const auto Placeholder = [](const char* Name) { return QString::fromLatin1(Name); };

    Label5 = Label("Label5", "Jewish Year", 8, 32);
    Edit23 = MakeEdit(Page, "Edit23", QStringLiteral("Jewish Year"), QStringLiteral("5750"));
    Scale.Place(*Edit23, 96, 32, 33, BoxHeight);
    UpDown1 = MakeUpDown(Page, "UpDown1", *Edit23, 0, 7000, 5750);
    Scale.Place(*UpDown1, 129, 32, 15, BoxHeight);

    Label6 = Label("Label6", "CycleNumber", 8, 72);
    Edit5 = Output("Edit5", "CycleNumber", 96, 72, 33, Placeholder("Edit5"));
    Label7 = Label("Label7", "Year In Cycle", 8, 96);
    Edit6 = Output("Edit6", "Year In Cycle", 96, 96, 33, Placeholder("Edit6"));

    // The leap flag is an indicator: a click is undone by its handler.
    CheckBox1 = MakeCheckBox(Page, "CheckBox1", QStringLiteral("Leap Year"));
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    CheckBox1->setFocusPolicy(Qt::ClickFocus);
    Scale.Place(*CheckBox1, 8, 120, 101, 17);

    Label8 = Label("Label8", "New MoonTishrei", 8, 144);
    Edit7 = Output("Edit7", "Molad of Tishrei days", 96, 144, 33, Placeholder("Edit7"));
    Edit8 = Output("Edit8", "Molad of Tishrei hours", 128, 144, 33, Placeholder("Edit8"));
    Edit9 = Output("Edit9", "Molad of Tishrei parts", 160, 144, 33, Placeholder("Edit9"));
    Label9 = Label("Label9", "First Day of Year", 8, 168);
    Edit10 = Output("Edit10", "First Day of Year", 96, 168, 57, Placeholder("Edit10"));
    Edit26 = Output("Edit26", "Date of first day of year", 96, 192, 153, Placeholder("Edit26"));
    Label15 = Label("Label15", "Season Nissan", 8, 224);
    Edit22 = Output("Edit22", "Season Nissan", 96, 224, 105, Placeholder("Edit22"));
    Edit24 = Output("Edit24", "Day of Season Nissan", 96, 248, 65, Placeholder("Edit24"));
    Label10 = Label("Label10", "Days In Cheshvan", 8, 280);
    Edit11 = Output("Edit11", "Days In Cheshvan", 96, 280, 33, Placeholder("Edit11"));
    Label11 = Label("Label11", "Kislev", 48, 304);
    Edit12 = Output("Edit12", "Days In Kislev", 96, 304, 33, Placeholder("Edit12"));

    Label16 = Label("Label16", "Month", 240, 32);
    ComboBox1 = new QComboBox(&Page);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({QStringLiteral("Nissan"), QStringLiteral("Iyar"), QStringLiteral("Sivan"),
                         QStringLiteral("Tamuz"), QStringLiteral("Av"), QStringLiteral("Elul"),
                         QStringLiteral("Tishrei"), QStringLiteral("Cheshvan"), QStringLiteral("Kislev"),
                         QStringLiteral("Tevet"), QStringLiteral("Shvat"), QStringLiteral("Adar"),
                         QStringLiteral("Adar2")});
    ComboBox1->setMaxVisibleItems(13);
    ComboBox1->setCurrentIndex(-1);
    Scale.Place(*ComboBox1, 296, 32, 89, BoxHeight);
    Label16->setBuddy(ComboBox1);

    Label12 = Label("Label12", "Days In :", 240, 64);
    Edit14 = Output("Edit14", "Days in month", 296, 64, 33, {});
    Label13 = Label("Label13", "Molad :", 240, 96);
    Edit19 = Output("Edit19", "Molad of month", 288, 96, 161, {});
    Edit16 = Output("Edit16", "Molad of month days", 296, 120, 33, {});
    Edit17 = Output("Edit17", "Molad of month hours", 328, 120, 33, {});
    Edit18 = Output("Edit18", "Molad of month parts", 360, 120, 33, {});

    setTabOrder(Edit23, ComboBox1);

    connect(Edit23, &QLineEdit::textChanged, this, &TForm1::Edit23Change);
    connect(ComboBox1, &QComboBox::activated, this, &TForm1::ComboBox1Change);
    // However the tick changed, it snaps back to the year's truth; setting the
    // truth again changes nothing and so raises no further toggle.
    connect(CheckBox1, &QCheckBox::toggled, this, &TForm1::CheckBox1Click);

    // The option chosen so far, and the page computed for this year.
    FollowHebrewNames(*Edit24);
    RunHandler([this] { UpDown1->SetPosition(StartJewishYear); });
}

// A year beyond the calendar throws before anything is written, so the page
// keeps what it showed.
void TForm1::Edit23Change()
{
    RunHandler([this] {
        if (!DetailsYear) {
            return;
        }
        TYearDetailsInput Input;
        Input.YearText = Edit23->text().toStdString();
        Input.MonthIndex = ComboBox1->currentIndex();
        Input.ShownYear = DetailsYear->Year;
        Input.HebrewNames = HebrewNames1->isChecked();
        const TYearDetailsPage Page = ComputeYearDetails(Input);
        if (Page.Year != DetailsYear->Year) {
            DetailsYear->SetYear(Page.Year);
        }
        Edit5->setText(QString::fromStdString(Page.CycleNumber));
        Edit6->setText(QString::fromStdString(Page.YearInCycle));
        CheckBox1->setChecked(Page.IsLeap);
        Edit7->setText(QString::fromStdString(Page.MoladDays));
        Edit8->setText(QString::fromStdString(Page.MoladHours));
        Edit9->setText(QString::fromStdString(Page.MoladParts));
        Edit10->setText(QString::fromStdString(Page.FirstDayWeekday));
        Edit11->setText(QString::fromStdString(Page.CheshvanDays));
        Edit12->setText(QString::fromStdString(Page.KislevDays));
        Edit22->setText(QString::fromStdString(Page.SeasonTime));
        Edit26->setText(QString::fromStdString(Page.FirstDayDate));
        Edit24->setText(QString::fromStdString(Page.SeasonDay));
        ShowMonthDetails(Page.Month);
        // Rewriting the entries in place keeps the selection, also on the
        // blank thirteenth entry of a common year.
        const int Selected = ComboBox1->currentIndex();
        ComboBox1->setItemText(AdarEntryIndex, QString::fromStdString(Page.AdarEntry));
        ComboBox1->setItemText(SecondAdarEntryIndex, QString::fromStdString(Page.SecondAdarEntry));
        ComboBox1->setCurrentIndex(Selected);
    });
}

void TForm1::ShowMonthDetails(const TMonthDetails& Month)
{
    Edit14->setText(QString::fromStdString(Month.Days));
    Edit16->setText(QString::fromStdString(Month.MoladDays));
    Edit17->setText(QString::fromStdString(Month.MoladHours));
    Edit18->setText(QString::fromStdString(Month.MoladParts));
    Edit19->setText(QString::fromStdString(Month.MoladText));
}

void TForm1::ComboBox1Change()
{
    RunHandler([this] {
        if (DetailsYear) {
            // Entry p stands for month p, Nissan first; no entry is month 0.
            ShowMonthDetails(ComputeMonthDetails(*DetailsYear, ComboBox1->currentIndex() + 1));
        }
    });
}

// The box shows the year's leap flag and takes no input: a click is undone.
void TForm1::CheckBox1Click()
{
    CheckBox1->setChecked(DetailsYear && DetailsYear->IsLeap);
}

}  // namespace mirvane
