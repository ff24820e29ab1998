// The Festivals page: the Gregorian date of a festival in a chosen year or a
// run of years.

#include "ui/FestivalsTab.h"

#include <algorithm>
#include <string>
#include <vector>

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalBlocker>

#include "engine/Festivals.h"
#include "engine/Rules.h"
#include "engine/HebrewNames.h"
#include "export/DateListFile.h"
#include "pages/FestivalListEntry.h"
#include "pages/FestivalPage.h"
#include "pages/LuachDayNames.h"
#include "ui/Controls.h"
#include "ui/Language.h"
#include "ui/PrintedPage.h"
#include "widgets/ErrorReport.h"
#include "widgets/MemoLines.h"
#include "widgets/PageGeometry.h"
#include "widgets/UpDown.h"

namespace mirvane {

TFestivalsTab::TFestivalsTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TAnswerTab("TabSheet5", Start, Choices, Parent)
{
}

QString TFestivalsTab::Title() const
{
    return tr("Festivals");
}

void TFestivalsTab::SetCaptions()
{
    GregorianYear->setAccessibleName(tr("Gregorian Year"));
    FestivalDate->setAccessibleName(tr("Date of Festival"));
    YearCount->setAccessibleName(tr("Number of years"));
    DateList->setAccessibleName(tr("List of festival dates"));
    YearSpinner->FollowBoxName();
    NameLabel->setText(tr("Name of Festival"));
    YearLabel->setText(tr("Gregorian Year"));
    DateLabel->setText(tr("Date of Festival"));
    SetMemoLines(*ListHint, {tr("If you want a list of "), tr("festival dates for a "),
                             tr("number of years, enter "), tr("how many years here:")});
    // The list names the festivals as the language does.
    if (FestivalName->count() > 0) {
        RunHandler([this] { RefillFestivalNames(); });
    }
}

void TFestivalsTab::Build()
{
    QWidget& Page = *this;
    const TFormScale& Scale = Start.Scale;
    NameLabel = MakeLabel(Page, "Label19", {});
    FestivalName = new QComboBox(&Page);
    FestivalName->setObjectName(QStringLiteral("ComboBox2"));
    FestivalName->setEditable(true);
    FestivalName->setInsertPolicy(QComboBox::NoInsert);
    // Names must be typed exactly, letter case included; completing them
    // would pick a name the user did not type.
    FestivalName->setCompleter(nullptr);
    FestivalName->setMaxVisibleItems(20);
    NameLabel->setBuddy(FestivalName);
    YearLabel = MakeLabel(Page, "Label20", {});
    GregorianYear = MakeEdit(Page, "Edit13", {}, QStringLiteral("1995"));
    YearSpinner = MakeUpDown(Page, "UpDown4", *GregorianYear, 2, 3240, 1995);
    DateLabel = MakeLabel(Page, "Label21", {});
    FestivalDate = MakeOutput(Page, "Edit15", {});
    ListHint = MakeHintMemo(Page, "Memo6", {}, TMemoBackground::Page);
    YearCount = MakeEdit(Page, "Edit27", {});
    DateList = MakeListMemo(Page, "Memo5", {});
    SetCaptions();

    Scale.PlaceNatural(*NameLabel, 8, 72);
    Scale.Place(*FestivalName, 8, 88, 145, 21);
    Scale.PlaceNatural(*YearLabel, 176, 72);
    Scale.Place(*GregorianYear, 176, 88, 50, 21);
    Scale.Place(*YearSpinner, 226, 88, 15, 21);
    Scale.PlaceNatural(*DateLabel, 272, 72);
    Scale.Place(*FestivalDate, 272, 88, 170, 21);
    Scale.Place(*ListHint, 8, 176, 121, 57);
    Scale.Place(*YearCount, 8, 232, 41, 21);
    Scale.Place(*DateList, 256, 176, 194, 193);

    setTabOrder(FestivalName, GregorianYear);
    setTabOrder(GregorianYear, YearCount);

    connect(FestivalName, &QComboBox::editTextChanged, this, &TFestivalsTab::Compute);
    connect(GregorianYear, &QLineEdit::textChanged, this, &TFestivalsTab::Compute);
    connect(YearCount, &QLineEdit::textChanged, this, &TFestivalsTab::Compute);

    // Computed for this year, as start-up left it, then given the names.
    YearSpinner->SetPosition(Start.Year);
    RunHandler([this] { RefillFestivalNames(); });
    KeepDesignedPlaces(Page, DesignedSize(), {{DateList, TGrowth::Both}});
}

// The names follow the rules in force and the Hebrew Names option.
void TFestivalsTab::ChoicesChanged(const TChoices& Old)
{
    if (Old.InDiaspora != Choices().InDiaspora || Old.HebrewNames != Choices().HebrewNames) {
        RunHandler([this] { RefillFestivalNames(); });
    }
}

// The names valid under the rules in force, the festivals' and then the
// luach's Rosh Chodesh, national and minor days, with their Hebrew names when
// that option is on. The typed or chosen name stays as it is, a list entry
// changing only its form, and the page is not recomputed: its result
// changes only with one of its own inputs.
void TFestivalsTab::RefillFestivalNames()
{
    const bool Hebrew = Choices().HebrewNames;
    const TFestivalEntryForm Form = !Hebrew       ? TFestivalEntryForm::Name
                                    : HebrewInUse() ? TFestivalEntryForm::Hebrew
                                                    : TFestivalEntryForm::NameAndHebrew;
    std::vector<std::string> Names;
    FillFestivalNames(Names, RulesOf(Choices().InDiaspora));
    for (const TLuachDayName& Day : LuachDayNames(RulesOf(Choices().InDiaspora)))
        if (std::find(Names.begin(), Names.end(), Day.English) == Names.end())
            Names.push_back(Day.English);
    QStringList Items;
    Items.reserve(static_cast<qsizetype>(Names.size()));
    for (const std::string& Name : Names) {
        Items.append(QString::fromStdString(FestivalListEntry(Name, Form)));
    }
    QString Text = FestivalName->currentText();
    const std::string Name = FestivalNameOfEntry(Text.toStdString());
    if (FestivalName->findText(Text) >= 0 && !ListedHebrewName(Name).empty())
        Text = QString::fromStdString(FestivalListEntry(Name, Form));
    const QSignalBlocker Blocker(FestivalName.get());
    FestivalName->clear();
    FestivalName->addItems(Items);
    // The drop-down list grows to show whole entries with their Hebrew
    // names; the box keeps its width on the page.
    QAbstractItemView& List = *FestivalName->view();
    List.setMinimumWidth(Hebrew ? List.sizeHintForColumn(0) + List.verticalScrollBar()->sizeHint().width() +
                                      2 * List.frameWidth()
                                : 0);
    FestivalName->setCurrentIndex(static_cast<int>(Items.indexOf(Text)));
    FestivalName->setEditText(Text);
}

TFestivalInput TFestivalsTab::FestivalInput() const
{
    TFestivalInput Input;
    Input.Name = FestivalName->currentText().toStdString();
    Input.YearText = GregorianYear->text().toStdString();
    Input.YearsText = YearCount->text().toStdString();
    Input.Today = Today();
    Input.Rules = RulesOf(Choices().InDiaspora);
    return Input;
}

void TFestivalsTab::Compute()
{
    RunHandler([this] {
        const TFestivalPage Page = ComputeFestivalPage(FestivalInput());
        ShowAnswer(*FestivalDate, *DateList, Page.Answer, Page.Lines, Page.ListShown);
    });
}

std::string TFestivalsTab::ExportText(TExportFormat Format, const TExportDetails& /*Details*/,
                                      QString& Problem) const
{
    const TFestivalInput Input = FestivalInput();
    const TFestivalPage Answer = ComputeFestivalPage(Input);
    if (!Answer.Answer) {
        Problem = NoAnswerToExport();
        return {};
    }
    // The festival's own name, not the list entry that shows it with its
    // Hebrew name; the Jewish dates follow Hebrew Names as --hebrew does.
    return DateListText(FestivalDateList(FestivalNameOfEntry(Input.Name), Answer, Choices().HebrewNames), Format);
}

QString TFestivalsTab::PrintedQuestion() const
{
    return QuestionOf({QString::fromStdString(FestivalNameOfEntry(FestivalName->currentText().toStdString())),
                       GregorianYear->text()});
}

QString TFestivalsTab::PrintedHtml() const
{
    TFacts Facts{{tr("Name of Festival"), FestivalName->currentText()},
                 {tr("Gregorian Year"), GregorianYear->text()},
                 {tr("Date of Festival"), FestivalDate->text()}};
    if (!DateList->isHidden()) {
        Facts.emplace_back(tr("Number of years"), YearCount->text());
    }
    return FactsTable(Facts) + ListOf(*DateList);
}

}  // namespace mirvane
