// The "Dates to Remember" page: its controls. What they do is in
// RememberHandlers.cpp.

#include <algorithm>

#include <QCheckBox>
#include <QFontMetrics>
#include <QStyle>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

#include "widgets/ButtonGlyphs.h"
#include "ui/Controls.h"
#include "ui/Mirvane.h"
#include "remember/RememberEntry.h"
#include "widgets/RadioTabStop.h"

namespace mirvane {
namespace {

QPushButton* MakeImageButton(QWidget& Parent, const char* Name, const QString& Caption, TGlyph Image)
{
    QPushButton* Button = MakeButton(Parent, Name, Caption);
    SetButtonGlyph(*Button, Image);
    return Button;
}

QCheckBox* MakeCheckedBox(QWidget& Parent, const char* Name, const QString& Caption)
{
    QCheckBox* Box = MakeCheckBox(Parent, Name, Caption);
    Box->setChecked(true);
    return Box;
}

}  // namespace

void TForm1::BuildRememberPage(QWidget& Page)
{
    ListView1 = new QTreeWidget(&Page);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setAccessibleName(QStringLiteral("Dates to remember"));
    ListView1->setRootIsDecorated(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAllColumnsShowFocus(true);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setHeaderLabels({QStringLiteral("Name of Occasion"), QStringLiteral("G Date"), QStringLiteral("J Date"),
                                QStringLiteral("Date this year")});
    Scale.Place(*ListView1, 8, 8, 437, 113);
    // The date columns as wide as their longest short forms, the name
    // column the rest, so that nothing hides behind a horizontal scroll bar
    // when the vertical one shows.
    const QFontMetrics Metrics = ListView1->fontMetrics();
    const int Padding = Scale.X(14);
    const int DateWidth = Metrics.horizontalAdvance(QStringLiteral("30 Sep 2027")) + Padding;
    const int JewishWidth = Metrics.horizontalAdvance(QStringLiteral("30 Cheshvan 5787")) + Padding;
    const int Available = ListView1->width() - 2 * ListView1->frameWidth() -
                          ListView1->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, ListView1);
    ListView1->header()->setStretchLastSection(false);
    ListView1->setColumnWidth(0, std::max(Scale.X(80), Available - 2 * DateWidth - JewishWidth));
    ListView1->setColumnWidth(1, DateWidth);
    ListView1->setColumnWidth(2, JewishWidth);
    ListView1->setColumnWidth(3, DateWidth);

    BitBtnNew = MakeImageButton(Page, "BitBtnNew", QStringLiteral("New date to remember"), TGlyph::NewPage);
    Scale.Place(*BitBtnNew, 8, 128, 137, 25);
    BitBtnDelete = MakeImageButton(Page, "BitBtnDelete", QStringLiteral("Delete"), TGlyph::Delete);
    Scale.Place(*BitBtnDelete, 152, 128, 73, 25);
    BitBtnModify = MakeImageButton(Page, "BitBtnModify", QStringLiteral("Modify"), TGlyph::Modify);
    Scale.Place(*BitBtnModify, 232, 128, 73, 25);

    RadioGroup1 = new QGroupBox(QStringLiteral("Sort list by"), &Page);
    RadioGroup1->setObjectName(QStringLiteral("RadioGroup1"));
    Scale.Place(*RadioGroup1, 316, 122, 129, 57);
    RadioSortOccasion = new QRadioButton(QStringLiteral("Occasion"), RadioGroup1);
    RadioSortOccasion->setObjectName(QStringLiteral("RadioSortOccasion"));
    RadioSortOccasion->setChecked(true);
    Scale.Place(*RadioSortOccasion, 8, 16, 113, 17);
    RadioSortDate = new QRadioButton(QStringLiteral("Date this year"), RadioGroup1);
    RadioSortDate->setObjectName(QStringLiteral("RadioSortDate"));
    Scale.Place(*RadioSortDate, 8, 34, 113, 17);

    GroupBox1 = new QGroupBox(QStringLiteral("Details of the date to remember:"), &Page);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    Scale.Place(*GroupBox1, 8, 184, 437, 145);
    QWidget& Details = *GroupBox1;
    Scale.PlaceNatural(*MakeLabel(Details, "LabelOccasion", QStringLiteral("Name of occasion:")), 8, 22);
    EditOccasion = MakeEdit(Details, "EditOccasion", QStringLiteral("Name of occasion"));
    EditOccasion->setMaxLength(static_cast<int>(MaxOccasionLength));
    Scale.Place(*EditOccasion, 104, 18, 321, 21);
    Scale.PlaceNatural(*MakeLabel(Details, "LabelNewDate", QStringLiteral("Date:")), 8, 46);
    EditNewDate = MakeEdit(Details, "EditNewDate", QStringLiteral("Date of occasion"));
    Scale.Place(*EditNewDate, 104, 42, 105, 21);
    Scale.PlaceNatural(*MakeLabel(Details, "LabelNewJDate", QStringLiteral("Jewish Date:")), 220, 46);
    EditNewJDate = MakeEdit(Details, "EditNewJDate", QStringLiteral("Jewish date of occasion"));
    Scale.Place(*EditNewJDate, 296, 42, 129, 21);
    CheckBoxNewSunset = MakeCheckBox(Details, "CheckBoxNewSunset", QStringLiteral("Sunset && Midnight"));
    CheckBoxNewSunset->setAccessibleName(QStringLiteral("Occasion between sunset and midnight"));
    CheckBoxNewSunset->setLayoutDirection(Qt::RightToLeft);
    Scale.Place(*CheckBoxNewSunset, 296, 68, 129, 17);
    QLabel* LabelRemind = MakeLabel(Details, "LabelRemind", QStringLiteral("Remind me:"));
    Scale.PlaceNatural(*LabelRemind, 8, 70);
    EditWarning = MakeEdit(Details, "EditWarning", QStringLiteral("Days before"), QStringLiteral("7"));
    Scale.Place(*EditWarning, 104, 66, 33, 21);
    Scale.PlaceNatural(*MakeLabel(Details, "LabelDaysBefore", QStringLiteral("days before.")), 144, 70);
    ComboBoxWhenRemind = new QComboBox(&Details);
    ComboBoxWhenRemind->setObjectName(QStringLiteral("ComboBoxWhenRemind"));
    ComboBoxWhenRemind->addItems({QStringLiteral("Remind me every year on the Jewish date"),
                                  QStringLiteral("Remind me every year on the Gregorian date"),
                                  QStringLiteral("Remind me on this year and date only")});
    Scale.Place(*ComboBoxWhenRemind, 8, 92, 257, 21);
    LabelRemind->setBuddy(ComboBoxWhenRemind);
    BitBtnCancel = MakeImageButton(Details, "BitBtnCancel", QStringLiteral("Cancel"), TGlyph::Cancel);
    Scale.Place(*BitBtnCancel, 272, 114, 73, 25);
    BitBtnOk = MakeImageButton(Details, "BitBtnOk", QStringLiteral("Ok"), TGlyph::Ok);
    Scale.Place(*BitBtnOk, 352, 114, 73, 25);

    Scale.PlaceNatural(*MakeLabel(Page, "LabelCheckDates", QStringLiteral("Check the dates every time I:")), 8, 340);
    CheckBoxStart = MakeCheckedBox(Page, "CheckBoxStart", QStringLiteral("Turn on the computer"));
    Scale.Place(*CheckBoxStart, 176, 338, 137, 17);
    CheckBoxRun = MakeCheckedBox(Page, "CheckBoxRun", QStringLiteral("Run Mirvane"));
    Scale.Place(*CheckBoxRun, 328, 338, 105, 17);

    for (QWidget* Control : Page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        Control->show();
    }
    setTabOrder(ListView1, BitBtnNew);
    setTabOrder(BitBtnNew, BitBtnDelete);
    setTabOrder(BitBtnDelete, BitBtnModify);
    setTabOrder(BitBtnModify, RadioSortOccasion);
    setTabOrder(RadioSortOccasion, EditOccasion);
    setTabOrder(EditOccasion, EditNewDate);
    setTabOrder(EditNewDate, EditNewJDate);
    setTabOrder(EditNewJDate, CheckBoxNewSunset);
    setTabOrder(CheckBoxNewSunset, EditWarning);
    setTabOrder(EditWarning, ComboBoxWhenRemind);
    setTabOrder(ComboBoxWhenRemind, BitBtnCancel);
    setTabOrder(BitBtnCancel, BitBtnOk);
    setTabOrder(BitBtnOk, CheckBoxStart);
    setTabOrder(CheckBoxStart, CheckBoxRun);
    ConnectRememberPage();
    ConnectAutostartBox();
}

}  // namespace mirvane
