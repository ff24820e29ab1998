// The Birthdays/Yahrtzeits page: a typed date of a birth or a death, and the
// Gregorian date of its anniversary in a chosen year or a run of years.

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "pages/AnniversaryPage.h"
#include "ui/Controls.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"
#include "widgets/RadioTabStop.h"
#include "widgets/UpDown.h"

namespace mirvane {

void TForm1::BuildBirthdaysPage(QWidget& Page)
{
    Memo1 = MakeHintMemo(Page, "Memo1",
                         {QStringLiteral("Enter the original Date"), QStringLiteral("of the Birthday or Yahrtzeit"),
                          QStringLiteral("   eg. 1/12/70"), QStringLiteral("   or   1 Dec 70"),
                          QStringLiteral("   or   1 December 1970")},
                         TMemoBackground::Page);
    Scale.Place(*Memo1, 8, 16, 137, 65);
    Edit1 = MakeEdit(Page, "Edit1", QStringLiteral("Original date"));
    Scale.Place(*Edit1, 8, 88, 129, 21);

    Label14 = MakeLabel(Page, "Label14", QStringLiteral("Click Here if Between"));
    Scale.PlaceNatural(*Label14, 8, 128);
    CheckBox2 = MakeCheckBox(Page, "CheckBox2", QStringLiteral("Sunset && Midnight"));
    CheckBox2->setLayoutDirection(Qt::RightToLeft);
    Scale.Place(*CheckBox2, 8, 144, 113, 17);

    Memo2 = MakeHintMemo(Page, "Memo2",
                         {QStringLiteral("Enter the Year you want"), QStringLiteral(" to know the equivalent"),
                          QStringLiteral(" Date of the Birthday or"), QStringLiteral(" Yahrtzeit"),
                          QStringLiteral(" eg. this year.")},
                         TMemoBackground::Window);
    Scale.Place(*Memo2, 152, 16, 121, 73);
    Edit3 = MakeEdit(Page, "Edit3", QStringLiteral("Year wanted"), QStringLiteral("1995"));
    Scale.Place(*Edit3, 152, 88, 49, 21);
    UpDown3 = MakeUpDown(Page, "UpDown3", *Edit3, 2, 3240, 1995);
    Scale.Place(*UpDown3, 201, 88, 15, 21);

    Label2 = MakeLabel(Page, "Label2", QStringLiteral("Jewish Date"));
    Scale.PlaceNatural(*Label2, 152, 128);
    Edit2 = MakeOutput(Page, "Edit2", QStringLiteral("Jewish Date"));
    ShowOnButtonFace(*Edit2);
    Scale.Place(*Edit2, 152, 144, 121, 21);

    RadioButton2 = MakeRadioButton(Page, "RadioButton2", QStringLiteral("Date of Day of B'day or Y'tzeit"));
    RadioButton2->setChecked(true);
    Scale.Place(*RadioButton2, 280, 32, 169, 17);
    RadioButton1 = MakeRadioButton(Page, "RadioButton1", QStringLiteral("Date of Night of B'day or Y'tziet"));
    Scale.Place(*RadioButton1, 280, 48, 169, 17);

    Label4 = MakeLabel(Page, "Label4", QStringLiteral("Equivalent Date of B'day"));
    Scale.PlaceNatural(*Label4, 280, 72);
    Edit4 = MakeOutput(Page, "Edit4", QStringLiteral("Equivalent Date of B'day"));
    Scale.Place(*Edit4, 280, 88, 169, 21);

    Memo3 = MakeHintMemo(Page, "Memo3",
                         {QStringLiteral("If you want a list of "), QStringLiteral("equivalent dates for a "),
                          QStringLiteral("number of years, enter "), QStringLiteral("how many years here:")},
                         TMemoBackground::Window);
    Scale.Place(*Memo3, 8, 248, 121, 57);
    Edit25 = MakeEdit(Page, "Edit25", QStringLiteral("Number of years"));
    Scale.Place(*Edit25, 8, 304, 41, 21);
    Memo4 = MakeListMemo(Page, "Memo4", QStringLiteral("List of equivalent dates"));
    Scale.Place(*Memo4, 256, 176, 194, 193);

    Label2->setBuddy(Edit2);
    Label4->setBuddy(Edit4);

    setTabOrder(Edit1, CheckBox2);
    setTabOrder(CheckBox2, Edit3);
    setTabOrder(Edit3, RadioButton1);
    setTabOrder(RadioButton1, RadioButton2);
    setTabOrder(RadioButton2, Edit25);
    MakeCheckedRadioTheTabStop({RadioButton1, RadioButton2});

    for (QLineEdit* Input : {Edit1, Edit3, Edit25}) {
        connect(Input, &QLineEdit::textChanged, this, &TForm1::Edit1Change);
    }
    // The answer follows the tick and the choice however they change: a
    // click, a key, or an assistive technology's toggle. Of the two radio
    // buttons only the one that became checked recomputes.
    connect(CheckBox2, &QCheckBox::toggled, this, &TForm1::Edit1Change);
    for (QRadioButton* Choice : {RadioButton1.get(), RadioButton2.get()}) {
        connect(Choice, &QRadioButton::toggled, this, [this](bool Checked) {
            if (Checked) {
                Edit1Change();
            }
        });
    }

    // The options chosen so far, and the page computed for this year.
    WriteDateOrderExamples();
    FollowHebrewNames(*Edit2);
    UpDown3->SetPosition(StartYear);
}

TDateEntry TForm1::ParseDateEntry(const QString& Text, TDateEntry Preset) const
{
    return mirvane::ParseDateEntry(Text.toStdString(), CheckedDateOrder(), LocaleMonthNames, Preset);
}

// The menu's date order and Adar choice are read here, at the next change of
// an input, not when the menu item is picked.
TAnniversaryInput TForm1::AnniversaryInput() const
{
    TAnniversaryInput Input;
    Input.DateText = Edit1->text().toStdString();
    Input.AfterSunset = CheckBox2->isChecked();
    Input.TargetYearText = Edit3->text().toStdString();
    Input.Night = RadioButton1->isChecked();
    Input.YearsText = Edit25->text().toStdString();
    Input.Order = CheckedDateOrder();
    Input.PlainAdarIsAdar2 = Adar21->isChecked();
    Input.Today = Today();
    Input.LocaleNames = LocaleMonthNames;
    Input.HebrewNames = HebrewNames1->isChecked();
    return Input;
}

void TForm1::Edit1Change()
{
    RunHandler([this] {
        const TAnniversaryPage Page = ComputeAnniversaryPage(AnniversaryInput());
        Edit2->setText(QString::fromStdString(Page.JewishDate));
        ShowAnswer(*Edit4, *Memo4, Page.Answer, Page.Lines, Page.ListShown);
    });
}

}  // namespace mirvane
