// The Dates to Remember page: its controls and its texts. What they do is in
// RememberHandlers.cpp, the log-in box in AutostartBox.cpp.

#include "ui/RememberTab.h"


#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "engine/DateServices.h"
#include "remember/RememberEntry.h"
#include "remember/RememberExport.h"
#include "ui/PrintedPage.h"
#include "ui/Controls.h"
#include "ui/LibraryMessages.h"
#include "widgets/ButtonGlyphs.h"
#include "widgets/PageGeometry.h"

namespace mirvane {
namespace {

// The items of a box in the window's language, the choice kept.
void SetItems(QComboBox& Box, const QStringList& Items)
{
    for (int Index = 0; Index < Items.size(); ++Index) {
        if (Index < Box.count())
            Box.setItemText(Index, Items[Index]);
        else
            Box.addItem(Items[Index]);
    }
}

QPushButton* MakeImageButton(QWidget& Parent, const char* Name, TGlyph Image)
{
    QPushButton* Button = MakeButton(Parent, Name, {});
    SetButtonGlyph(*Button, Image);
    return Button;
}

QCheckBox* MakeCheckedBox(QWidget& Parent, const char* Name)
{
    QCheckBox* Box = MakeCheckBox(Parent, Name, {});
    Box->setChecked(true);
    return Box;
}

QRadioButton* MakeGroupRadio(QGroupBox& Group, const char* Name)
{
    auto* Button = new QRadioButton(&Group);
    Button->setObjectName(QString::fromLatin1(Name));
    return Button;
}

}  // namespace

TRememberTab::TRememberTab(const TPageStart& Start, const TChoices& Choices, QWidget* Parent)
    : TWindowPage("TabSheetRemember", Start, Choices, Parent)
{
}

// The list's items show rows this object holds, which go before the list
// does.
TRememberTab::~TRememberTab()
{
    if (Made()) {
        List->clear();
    }
}

QString TRememberTab::Title() const
{
    return tr("Dates to Remember");
}

void TRememberTab::SetCaptions()
{
    OccasionName->setAccessibleName(tr("Name of occasion"));
    OccasionDate->setAccessibleName(tr("Date of occasion"));
    OccasionJewishDate->setAccessibleName(tr("Jewish date of occasion"));
    ReminderDays->setAccessibleName(tr("Days before"));
    List->setAccessibleName(tr("Dates to remember"));
    AfterSunset->setAccessibleName(tr("Occasion between sunset and midnight"));
    List->setHeaderLabels({tr("Name of Occasion"), tr("G Date"), tr("J Date"),
                           tr("Date this year")});
    NewButton->setText(tr("New date to remember"));
    DeleteButton->setText(tr("Delete"));
    ModifyButton->setText(tr("Modify"));
    SortGroup->setTitle(tr("Sort list by"));
    SortByOccasion->setText(tr("Occasion"));
    SortByDate->setText(tr("Date this year"));
    DetailsGroup->setTitle(tr("Details of the date to remember:"));
    OccasionLabel->setText(tr("Name of occasion:"));
    DateLabel->setText(tr("Date:"));
    JewishDateLabel->setText(tr("Jewish Date:"));
    AfterSunset->setText(tr("Sunset && Midnight"));
    RemindLabel->setText(tr("Remind me:"));
    DaysBeforeLabel->setText(tr("days before."));
    const QStringList Kinds{tr("Remind me every year on the Jewish date"),
                            tr("Remind me every year on the Gregorian date"),
                            tr("Remind me on this year and date only")};
    SetItems(*Recurrence, Kinds);
    WhatLabel->setText(tr("Kind:"));
    What->setAccessibleName(tr("Kind"));
    // In the order of the kinds' values: Other first.
    const QStringList Whats{tr("Other"), tr("Yahrzeit"), tr("Birthday"), tr("Anniversary")};
    SetItems(*What, Whats);
    CustomsButton->setText(tr("Customs..."));
    CancelButton->setText(tr("Cancel"));
    OkButton->setText(tr("Ok"));
    CheckLabel->setText(tr("Check the dates every time I:"));
    StartWithComputer->setText(tr("Turn on the computer"));
    RunMirvane->setText(tr("Run Mirvane"));
}

void TRememberTab::Build()
{
    QWidget& Page = *this;
    const TFormScale& Scale = Start.Scale;
    List = new QTreeWidget(&Page);
    List->setObjectName(QStringLiteral("ListView1"));
    List->setRootIsDecorated(false);
    List->setUniformRowHeights(true);
    List->setAllColumnsShowFocus(true);
    List->setSelectionMode(QAbstractItemView::SingleSelection);
    NewButton = MakeImageButton(Page, "BitBtnNew", TGlyph::NewPage);
    DeleteButton = MakeImageButton(Page, "BitBtnDelete", TGlyph::Delete);
    ModifyButton = MakeImageButton(Page, "BitBtnModify", TGlyph::Modify);
    SortGroup = new QGroupBox(&Page);
    SortGroup->setObjectName(QStringLiteral("RadioGroup1"));
    SortByOccasion = MakeGroupRadio(*SortGroup, "RadioSortOccasion");
    SortByOccasion->setChecked(true);
    SortByDate = MakeGroupRadio(*SortGroup, "RadioSortDate");

    DetailsGroup = new QGroupBox(&Page);
    DetailsGroup->setObjectName(QStringLiteral("GroupBox1"));
    QWidget& Details = *DetailsGroup;
    OccasionLabel = MakeLabel(Details, "LabelOccasion", {});
    OccasionName = MakeEdit(Details, "EditOccasion", {});
    OccasionName->setMaxLength(static_cast<int>(MaxOccasionLength));
    DateLabel = MakeLabel(Details, "LabelNewDate", {});
    OccasionDate = MakeEdit(Details, "EditNewDate", {});
    JewishDateLabel = MakeLabel(Details, "LabelNewJDate", {});
    OccasionJewishDate = MakeEdit(Details, "EditNewJDate", {});
    AfterSunset = MakeCheckBox(Details, "CheckBoxNewSunset", {});
    AfterSunset->setLayoutDirection(Qt::RightToLeft);
    RemindLabel = MakeLabel(Details, "LabelRemind", {});
    ReminderDays = MakeEdit(Details, "EditWarning", {}, QStringLiteral("7"));
    DaysBeforeLabel = MakeLabel(Details, "LabelDaysBefore", {});
    Recurrence = new QComboBox(&Details);
    Recurrence->setObjectName(QStringLiteral("ComboBoxWhenRemind"));
    RemindLabel->setBuddy(Recurrence);
    WhatLabel = MakeLabel(Details, "LabelWhat", {});
    What = new QComboBox(&Details);
    What->setObjectName(QStringLiteral("ComboBoxWhat"));
    WhatLabel->setBuddy(What);
    CustomsButton = new QPushButton(&Details);
    CustomsButton->setObjectName(QStringLiteral("ButtonCustoms"));
    CancelButton = MakeImageButton(Details, "BitBtnCancel", TGlyph::Cancel);
    OkButton = MakeImageButton(Details, "BitBtnOk", TGlyph::Ok);

    CheckLabel = MakeLabel(Page, "LabelCheckDates", {});
    StartWithComputer = MakeCheckedBox(Page, "CheckBoxStart");
    RunMirvane = MakeCheckedBox(Page, "CheckBoxRun");
    SetCaptions();

    Scale.Place(*List, 8, 8, 437, 113);
    // The date columns as wide as their longest short forms, the name
    // column the rest of the list however wide it grows, so that nothing
    // hides behind a horizontal scroll bar.
    const QFontMetrics Metrics = List->fontMetrics();
    const int Padding = Scale.X(14);
    const int DateWidth = Metrics.horizontalAdvance(QStringLiteral("30 Sep 2027")) + Padding;
    const int JewishWidth = Metrics.horizontalAdvance(QStringLiteral("30 Cheshvan 5787")) + Padding;
    List->header()->setStretchLastSection(false);
    List->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    List->setColumnWidth(1, DateWidth);
    List->setColumnWidth(2, JewishWidth);
    List->setColumnWidth(3, DateWidth);

    Scale.Place(*NewButton, 8, 128, 137, 25);
    Scale.Place(*DeleteButton, 152, 128, 73, 25);
    Scale.Place(*ModifyButton, 232, 128, 73, 25);
    Scale.Place(*SortGroup, 316, 122, 129, 57);
    Scale.Place(*SortByOccasion, 8, 16, 113, 17);
    Scale.Place(*SortByDate, 8, 34, 113, 17);
    Scale.Place(*DetailsGroup, 8, 184, 437, 145);
    Scale.PlaceNatural(*OccasionLabel, 8, 22);
    Scale.Place(*OccasionName, 104, 18, 321, 21);
    Scale.PlaceNatural(*DateLabel, 8, 46);
    Scale.Place(*OccasionDate, 104, 42, 105, 21);
    Scale.PlaceNatural(*JewishDateLabel, 220, 46);
    Scale.Place(*OccasionJewishDate, 296, 42, 129, 21);
    Scale.Place(*AfterSunset, 296, 68, 129, 17);
    Scale.PlaceNatural(*RemindLabel, 8, 70);
    Scale.Place(*ReminderDays, 104, 66, 33, 21);
    Scale.PlaceNatural(*DaysBeforeLabel, 144, 70);
    Scale.Place(*Recurrence, 8, 92, 257, 21);
    Scale.PlaceNatural(*WhatLabel, 8, 120);
    Scale.Place(*What, 56, 116, 105, 21);
    Scale.Place(*CustomsButton, 168, 114, 97, 25);
    Scale.Place(*CancelButton, 272, 114, 73, 25);
    Scale.Place(*OkButton, 352, 114, 73, 25);
    Scale.PlaceNatural(*CheckLabel, 8, 340);
    Scale.Place(*StartWithComputer, 176, 338, 137, 17);
    Scale.Place(*RunMirvane, 328, 338, 105, 17);

    for (QWidget* Control : Page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        Control->show();
    }
    setTabOrder(List, NewButton);
    setTabOrder(NewButton, DeleteButton);
    setTabOrder(DeleteButton, ModifyButton);
    setTabOrder(ModifyButton, SortByOccasion);
    setTabOrder(SortByOccasion, OccasionName);
    setTabOrder(OccasionName, OccasionDate);
    setTabOrder(OccasionDate, OccasionJewishDate);
    setTabOrder(OccasionJewishDate, AfterSunset);
    setTabOrder(AfterSunset, ReminderDays);
    setTabOrder(ReminderDays, Recurrence);
    setTabOrder(Recurrence, What);
    setTabOrder(What, CustomsButton);
    setTabOrder(CustomsButton, CancelButton);
    setTabOrder(CancelButton, OkButton);
    setTabOrder(OkButton, StartWithComputer);
    setTabOrder(StartWithComputer, RunMirvane);
    Connect();
    ConnectAutostartBox();
    KeepDesignedPlaces(Page, DesignedSize(), {{List, TGrowth::Both}});
}

bool TRememberTab::AskExportDetails(TExportDetails& Details)
{
    bool Accepted = false;
    Details.Years = QInputDialog::getInt(this, tr("Export List"), tr("Number of years:"),
                                         DefaultExportYears, 1, MaxExportYears, 1, &Accepted);
    return Accepted;
}

std::string TRememberTab::ExportText(TExportFormat Format, const TExportDetails& Details, QString& Problem) const
{
    std::vector<TRememberEntry> Entries;
    try {
        Entries = ReadRememberEntries(DefaultRememberStorePath());
    } catch (const ERememberStoreError& Error) {
        Problem = WindowMessage(Error.what());
        return {};
    }
    const std::vector<TRememberEvent> Events =
        RememberEvents(Entries, DecodeDate(Today()).Year, Details.Years, !Choices().PlainAdarIsAdar1);
    return Format == TExportFormat::Ics ? RememberIcsText(Events) : RememberCsvText(Events);
}

// Every row and column of the list as it is sorted on the page; nothing
// before the page is made.
QString TRememberTab::PrintedHtml() const
{
    if (!Made()) {
        return {};
    }
    const QAbstractItemModel& Model = *List->model();
    std::vector<QStringList> Rows(1);
    for (int Column = 0; Column < Model.columnCount(); ++Column) {
        Rows.front().append(Model.headerData(Column, Qt::Horizontal).toString());
    }
    for (int Row = 0; Row < Model.rowCount(); ++Row) {
        QStringList Cells;
        for (int Column = 0; Column < Model.columnCount(); ++Column) {
            Cells.append(Model.index(Row, Column).data().toString());
        }
        Rows.push_back(Cells);
    }
    return GridTable(Rows, 1);
}

}  // namespace mirvane
