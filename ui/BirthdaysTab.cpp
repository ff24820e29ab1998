// The Birthdays/Yahrtzeits page: a typed date of a birth or a death, and the
// Gregorian date of its anniversary in a chosen year or a run of years.

#include "ui/BirthdaysTab.h"

#include <QCheckBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "export/DateListFile.h"
#include "pages/AnniversaryPage.h"
#include "ui/Controls.h"
#include "ui/PrintedPage.h"
#include "widgets/ErrorReport.h"
#include "widgets/MemoLines.h"
#include "widgets/RadioTabStop.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

// The hint's examples of each date order, as a menu item puts them in place
// of the hint's own.
QStringList DateOrderExamples(TDateOrder Order)
{
    switch (Order) {
    case MonthDayYear:
        return {TBirthdaysTab::tr(" eg. 12/1/70"), TBirthdaysTab::tr(" or  Dec 1 70"),
                TBirthdaysTab::tr(" or  December 1 1970")};
    case YearMonthDay:
        return {TBirthdaysTab::tr(" eg. 70/12/1"), TBirthdaysTab::tr(" or  70 Dec 1"),
                TBirthdaysTab::tr(" or  1970 December 1")};
    default:
        return {TBirthdaysTab::tr(" eg. 1/12/70"), TBirthdaysTab::tr(" or  1 Dec 70"),
                TBirthdaysTab::tr(" or  1 December 1970")};
    }
}

}  // namespace

TBirthdaysTab::TBirthdaysTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TAnswerTab("TabSheet4", Start, Choices, Parent)
{
}

QString TBirthdaysTab::Title() const
{
    return tr("Birthdays/Yahrtzeits");
}

void TBirthdaysTab::SetCaptions()
{
    SetMemoLines(*DateHint, {tr("Enter the original Date"), tr("of the Birthday or Yahrtzeit"),
                             tr("   eg. 1/12/70"), tr("   or   1 Dec 70"),
                             tr("   or   1 December 1970")});
    SunsetLabel->setText(tr("Click Here if Between"));
    AfterSunset->setText(tr("Sunset && Midnight"));
    SetMemoLines(*YearHint, {tr("Enter the Year you want"), tr(" to know the equivalent"),
                             tr(" Date of the Birthday or"), tr(" Yahrtzeit"),
                             tr(" eg. this year.")});
    JewishDateLabel->setText(tr("Jewish Date"));
    DayOfIt->setText(tr("Date of Day of B'day or Y'tzeit"));
    NightOfIt->setText(tr("Date of Night of B'day or Y'tziet"));
    AnniversaryLabel->setText(tr("Equivalent Date of B'day"));
    SetMemoLines(*ListHint, {tr("If you want a list of "), tr("equivalent dates for a "),
                             tr("number of years, enter "), tr("how many years here:")});
}

void TBirthdaysTab::Build()
{
    QWidget& Page = *this;
    const TFormScale& Scale = Start.Scale;
    DateHint = MakeHintMemo(Page, "Memo1", {}, TMemoBackground::Page);
    OriginalDate = MakeEdit(Page, "Edit1", tr("Original date"));
    SunsetLabel = MakeLabel(Page, "Label14", {});
    AfterSunset = MakeCheckBox(Page, "CheckBox2", {});
    AfterSunset->setLayoutDirection(Qt::RightToLeft);
    YearHint = MakeHintMemo(Page, "Memo2", {}, TMemoBackground::Window);
    YearWanted = MakeEdit(Page, "Edit3", tr("Year wanted"), QStringLiteral("1995"));
    YearSpinner = MakeUpDown(Page, "UpDown3", *YearWanted, 2, 3240, 1995);
    JewishDateLabel = MakeLabel(Page, "Label2", {});
    JewishDate = MakeOutput(Page, "Edit2", tr("Jewish Date"));
    ShowOnButtonFace(*JewishDate);
    DayOfIt = MakeRadioButton(Page, "RadioButton2", {});
    DayOfIt->setChecked(true);
    NightOfIt = MakeRadioButton(Page, "RadioButton1", {});
    AnniversaryLabel = MakeLabel(Page, "Label4", {});
    Anniversary = MakeOutput(Page, "Edit4", tr("Equivalent Date of B'day"));
    ListHint = MakeHintMemo(Page, "Memo3", {}, TMemoBackground::Window);
    YearCount = MakeEdit(Page, "Edit25", tr("Number of years"));
    DateList = MakeListMemo(Page, "Memo4", tr("List of equivalent dates"));
    SetCaptions();

    Scale.Place(*DateHint, 8, 16, 137, 65);
    Scale.Place(*OriginalDate, 8, 88, 129, 21);
    Scale.PlaceNatural(*SunsetLabel, 8, 128);
    Scale.Place(*AfterSunset, 8, 144, 113, 17);
    Scale.Place(*YearHint, 152, 16, 121, 73);
    Scale.Place(*YearWanted, 152, 88, 49, 21);
    Scale.Place(*YearSpinner, 201, 88, 15, 21);
    Scale.PlaceNatural(*JewishDateLabel, 152, 128);
    Scale.Place(*JewishDate, 152, 144, 121, 21);
    Scale.Place(*DayOfIt, 280, 32, 169, 17);
    Scale.Place(*NightOfIt, 280, 48, 169, 17);
    Scale.PlaceNatural(*AnniversaryLabel, 280, 72);
    Scale.Place(*Anniversary, 280, 88, 169, 21);
    Scale.Place(*ListHint, 8, 248, 121, 57);
    Scale.Place(*YearCount, 8, 304, 41, 21);
    Scale.Place(*DateList, 256, 176, 194, 193);

    JewishDateLabel->setBuddy(JewishDate);
    AnniversaryLabel->setBuddy(Anniversary);

    setTabOrder(OriginalDate, AfterSunset);
    setTabOrder(AfterSunset, YearWanted);
    setTabOrder(YearWanted, NightOfIt);
    setTabOrder(NightOfIt, DayOfIt);
    setTabOrder(DayOfIt, YearCount);
    MakeCheckedRadioTheTabStop({NightOfIt, DayOfIt});

    for (QLineEdit* Input : {OriginalDate.get(), YearWanted.get(), YearCount.get()}) {
        connect(Input, &QLineEdit::textChanged, this, &TBirthdaysTab::Compute);
    }
    // The answer follows the tick and the choice however they change: a
    // click, a key, or an assistive technology's toggle. Of the two radio
    // buttons only the one that became checked recomputes.
    connect(AfterSunset, &QCheckBox::toggled, this, &TBirthdaysTab::Compute);
    for (QRadioButton* Choice : {NightOfIt.get(), DayOfIt.get()}) {
        connect(Choice, &QRadioButton::toggled, this, [this](bool Checked) {
            if (Checked) {
                Compute();
            }
        });
    }

    // The options chosen so far, and the page computed for this year.
    WriteDateOrderExamples();
    FollowHebrewNames();
    YearSpinner->SetPosition(Start.Year);
}

void TBirthdaysTab::ChoicesChanged(const TChoices& Old)
{
    if (Old.DateOrder != Choices().DateOrder) {
        WriteDateOrderExamples();
    }
    if (Old.HebrewNames != Choices().HebrewNames) {
        RunHandler([this] {
            FollowHebrewNames();
            // Only the Jewish date changes its form: the answer and the
            // month grid stay where they are.
            JewishDate->setText(QString::fromStdString(ComputeAnniversaryPage(AnniversaryInput()).JewishDate));
        });
    }
}

void TBirthdaysTab::WriteDateOrderExamples()
{
    if (!Choices().DateOrder) {
        return;
    }
    const QStringList Examples = DateOrderExamples(*Choices().DateOrder);
    for (int Line = 0; Line < Examples.size(); ++Line) {
        ReplaceMemoLine(*DateHint, Line + 2, Examples[Line]);
    }
}

void TBirthdaysTab::FollowHebrewNames()
{
    JewishDate->setLayoutDirection(Choices().HebrewNames ? Qt::RightToLeft : Qt::LeftToRight);
}

TAnniversaryInput TBirthdaysTab::AnniversaryInput() const
{
    TAnniversaryInput Input;
    Input.DateText = OriginalDate->text().toStdString();
    Input.AfterSunset = AfterSunset->isChecked();
    Input.TargetYearText = YearWanted->text().toStdString();
    Input.Night = NightOfIt->isChecked();
    Input.YearsText = YearCount->text().toStdString();
    Input.Order = Choices().Order();
    Input.PlainAdarIsAdar2 = !Choices().PlainAdarIsAdar1;
    Input.Today = Today();
    Input.LocaleNames = Start.MonthNames;
    Input.HebrewNames = Choices().HebrewNames;
    return Input;
}

void TBirthdaysTab::Compute()
{
    RunHandler([this] {
        const TAnniversaryPage Page = ComputeAnniversaryPage(AnniversaryInput());
        JewishDate->setText(QString::fromStdString(Page.JewishDate));
        ShowAnswer(*Anniversary, *DateList, Page.Answer, Page.Lines, Page.ListShown);
    });
}

// The event's name, as the command line's --name gives it; left empty it
// stays the default, so that no summary starts with a bare date.
bool TBirthdaysTab::AskExportDetails(TExportDetails& Details)
{
    bool Accepted = false;
    const QString Name =
        QInputDialog::getText(this, tr("Export List"), tr("Name of the event:"),
                              QLineEdit::Normal, QString::fromStdString(Details.EventName), &Accepted)
            .trimmed();
    if (!Name.isEmpty()) {
        Details.EventName = Name.toStdString();
    }
    return Accepted;
}

std::string TBirthdaysTab::ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const
{
    const TAnniversaryPage Answer = ComputeAnniversaryPage(AnniversaryInput());
    if (!Answer.Answer) {
        Problem = NoAnswerToExport();
        return {};
    }
    // Every entry's Jewish date follows Hebrew Names, as --hebrew does.
    return DateListText(
        AnniversaryDateList(Details.EventName, Answer, NightOfIt->isChecked(), Choices().HebrewNames), Format);
}

QString TBirthdaysTab::PrintedHtml() const
{
    TFacts Facts{{tr("Original date"), OriginalDate->text()}};
    if (AfterSunset->isChecked()) {
        Facts.emplace_back(QString(), tr("between sunset and midnight"));
    }
    Facts.emplace_back(tr("Jewish Date"), JewishDate->text());
    Facts.emplace_back(tr("Year wanted"), YearWanted->text());
    const QRadioButton& Asked = NightOfIt->isChecked() ? *NightOfIt : *DayOfIt;
    Facts.emplace_back(QString(), Asked.text());
    Facts.emplace_back(tr("Equivalent Date of B'day"), Anniversary->text());
    if (!DateList->isHidden()) {
        Facts.emplace_back(tr("Number of years"), YearCount->text());
    }
    return FactsTable(Facts) + ListOf(*DateList);
}

}  // namespace mirvane
