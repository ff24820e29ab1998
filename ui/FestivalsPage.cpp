// The Festivals page: the Gregorian date of a festival in a chosen year or a
// run of years.

#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/Festivals.h"
#include "engine/HebrewNames.h"
#include "pages/FestivalListEntry.h"
#include "pages/FestivalPage.h"
#include "ui/Controls.h"
#include "widgets/ErrorReport.h"
#include "ui/Mirvane.h"
#include "widgets/UpDown.h"

namespace mirvane {

void TForm1::BuildFestivalsPage(QWidget& Page)
{
    Label19 = MakeLabel(Page, "Label19", QStringLiteral("Name of Festival"));
    Scale.PlaceNatural(*Label19, 8, 72);
    ComboBox2 = new QComboBox(&Page);
    ComboBox2->setObjectName(QStringLiteral("ComboBox2"));
    ComboBox2->setEditable(true);
    ComboBox2->setInsertPolicy(QComboBox::NoInsert);
    // Names must be typed exactly, letter case included; completing them
    // would pick a name the user did not type.
    ComboBox2->setCompleter(nullptr);
    ComboBox2->setMaxVisibleItems(20);
    Scale.Place(*ComboBox2, 8, 88, 145, 21);
    Label19->setBuddy(ComboBox2);

    Label20 = MakeLabel(Page, "Label20", QStringLiteral("Gregorian Year"));
    Scale.PlaceNatural(*Label20, 176, 72);
    Edit13 = MakeEdit(Page, "Edit13", QStringLiteral("Gregorian Year"), QStringLiteral("1995"));
    Scale.Place(*Edit13, 176, 88, 50, 21);
    UpDown4 = MakeUpDown(Page, "UpDown4", *Edit13, 2, 3240, 1995);
    Scale.Place(*UpDown4, 226, 88, 15, 21);

    Label21 = MakeLabel(Page, "Label21", QStringLiteral("Date of Festival"));
    Scale.PlaceNatural(*Label21, 272, 72);
    Edit15 = MakeOutput(Page, "Edit15", QStringLiteral("Date of Festival"));
    Scale.Place(*Edit15, 272, 88, 170, 21);

    Memo6 = MakeHintMemo(Page, "Memo6",
                         {QStringLiteral("If you want a list of "), QStringLiteral("festival dates for a "),
                          QStringLiteral("number of years, enter "), QStringLiteral("how many years here:")},
                         TMemoBackground::Page);
    Scale.Place(*Memo6, 8, 176, 121, 57);
    Edit27 = MakeEdit(Page, "Edit27", QStringLiteral("Number of years"));
    Scale.Place(*Edit27, 8, 232, 41, 21);
    Memo5 = MakeListMemo(Page, "Memo5", QStringLiteral("List of festival dates"));
    Scale.Place(*Memo5, 256, 176, 194, 193);

    setTabOrder(ComboBox2, Edit13);
    setTabOrder(Edit13, Edit27);

    connect(ComboBox2, &QComboBox::editTextChanged, this, &TForm1::ComboBox2Change);
    connect(Edit13, &QLineEdit::textChanged, this, &TForm1::ComboBox2Change);
    connect(Edit27, &QLineEdit::textChanged, this, &TForm1::ComboBox2Change);

    // Computed for this year, as start-up left it, then given the names.
    UpDown4->SetPosition(StartYear);
    RunHandler([this] { RefillFestivalNames(); });
}

// The names valid under the rules in force, with their Hebrew names when
// that option is on. The typed or chosen name stays as it is, a list entry
// changing only its form, and the page is not recomputed: its result
// changes only with one of its own inputs.
void TForm1::RefillFestivalNames()
{
    if (!FestivalsControls.Made()) {
        return;  // the page fills its list when it is made
    }
    const bool Hebrew = HebrewNames1->isChecked();
    std::vector<std::string> Names;
    FillFestivalNames(Names, RulesOf(Diaspora1->isChecked()));
    QStringList Items;
    Items.reserve(static_cast<qsizetype>(Names.size()));
    for (const std::string& Name : Names) {
        Items.append(QString::fromStdString(FestivalListEntry(Name, Hebrew)));
    }
    QString Text = ComboBox2->currentText();
    const std::string Name = FestivalNameOfEntry(Text.toStdString());
    if (ComboBox2->findText(Text) >= 0 && !HebrewFestivalName(Name).empty())
        Text = QString::fromStdString(FestivalListEntry(Name, Hebrew));
    const QSignalBlocker Blocker(ComboBox2);
    ComboBox2->clear();
    ComboBox2->addItems(Items);
    // The drop-down list grows to show whole entries with their Hebrew
    // names; the box keeps its width on the page.
    QAbstractItemView& List = *ComboBox2->view();
    List.setMinimumWidth(Hebrew ? List.sizeHintForColumn(0) + List.verticalScrollBar()->sizeHint().width() +
                                      2 * List.frameWidth()
                                : 0);
    ComboBox2->setCurrentIndex(static_cast<int>(Items.indexOf(Text)));
    ComboBox2->setEditText(Text);
}

TFestivalInput TForm1::FestivalInput() const
{
    TFestivalInput Input;
    Input.Name = ComboBox2->currentText().toStdString();
    Input.YearText = Edit13->text().toStdString();
    Input.YearsText = Edit27->text().toStdString();
    Input.Today = Today();
    Input.Rules = RulesOf(Diaspora1->isChecked());
    return Input;
}

void TForm1::ComboBox2Change()
{
    RunHandler([this] {
        const TFestivalPage Page = ComputeFestivalPage(FestivalInput());
        ShowAnswer(*Edit15, *Memo5, Page.Answer, Page.Lines, Page.ListShown);
    });
}

}  // namespace mirvane
