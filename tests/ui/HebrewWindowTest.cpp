// The window in Hebrew, right to left, and English one menu choice away.

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>

#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"
#include "widgets/UpDown.h"

namespace mirvane {
namespace {

using HebrewWindow = FormTest;

QStringList TabTexts(const TForm1& F)
{
    QStringList Texts;
    const QTabWidget& Tabs = *Find<QTabWidget>(F, "PageControl1");
    for (int Index = 0; Index < Tabs.count(); ++Index) {
        Texts.append(Tabs.tabText(Index));
    }
    return Texts;
}

TEST_F(HebrewWindow, SpeaksHebrewRightToLeftUntilEnglishIsPicked)
{
    Store.Put({{"Language", QStringLiteral("Hebrew")}}, QStringLiteral("Display"));
    TForm1& F = Start();
    MakeWorkingPages(F);
    EXPECT_EQ(TabTexts(F), (QStringList{QStringLiteral("לוח שנה"), QStringLiteral("ימי הולדת/יארצייט"),
                                        QStringLiteral("חגים"), QStringLiteral("פרטי השנה"),
                                        QStringLiteral("תאריכים לזכור"), QStringLiteral("זמנים")}));
    EXPECT_EQ(Find<QMenu>(F, "Optios1")->title(), QStringLiteral("&אפשרויות"));
    EXPECT_EQ(Find<QMenu>(F, "File1")->title(), QStringLiteral("&קובץ"));
    EXPECT_EQ(Find<QPushButton>(F, "Button1")->text(), QStringLiteral("החודש הבא"));
    EXPECT_EQ(Find<TUpDown>(F, "UpDown3")->accessibleName(), QStringLiteral("השנה המבוקשת למעלה/למטה"));
    EXPECT_EQ(F.layoutDirection(), Qt::RightToLeft);
    // Hebrew Names, never chosen, comes on with the language.
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isChecked());
    // The weekday column lies at the right edge, the text column at the left.
    const TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    EXPECT_GT(Grid.CellRect(0, FirstDayRow).left(), Grid.CellRect(1, FirstDayRow).left());
    EXPECT_LT(Grid.CellRect(GridColCount - 1, FirstDayRow).left(), Grid.CellRect(0, FirstDayRow).left());
    // Qt's own buttons come from Qt's Hebrew translation.
    QMessageBox Box(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(Box.button(QMessageBox::Yes)->text(), QStringLiteral("&כן"));

    Find<QAction>(F, "LanguageEnglish1")->trigger();
    // The windows hear of the change as the event loop next runs.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    EXPECT_EQ(TabTexts(F), (QStringList{QStringLiteral("Calendar"), QStringLiteral("Birthdays/Yahrtzeits"),
                                        QStringLiteral("Festivals"), QStringLiteral("Year Details"),
                                        QStringLiteral("Dates to Remember"), QStringLiteral("Times")}));
    EXPECT_EQ(Find<QMenu>(F, "Optios1")->title(), QStringLiteral("&Options"));
    EXPECT_EQ(Find<QPushButton>(F, "Button1")->text(), QStringLiteral("Next Month"));
    EXPECT_EQ(Find<TUpDown>(F, "UpDown3")->accessibleName(), QStringLiteral("Year wanted up/down"));
    EXPECT_EQ(F.layoutDirection(), Qt::LeftToRight);
    EXPECT_LT(Grid.CellRect(0, FirstDayRow).left(), Grid.CellRect(1, FirstDayRow).left());
    EXPECT_FALSE(Find<QAction>(F, "HebrewNames1")->isChecked());
    EXPECT_TRUE(Find<QAction>(F, "LanguageEnglish1")->isChecked());
    Close();
    // The language is kept; Hebrew Names, still never chosen, is not.
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")),
              (std::map<std::string, QString>{{"Language", QStringLiteral("English")}}));
}

}  // namespace
}  // namespace mirvane
