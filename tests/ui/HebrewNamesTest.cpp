#include <QAction>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using HebrewNames = FormTest;

TEST_F(HebrewNames, TheItemFollowsStamAdarOffByDefault)
{
    TForm1& F = Start();
    EXPECT_EQ(Find<QAction>(F, "HebrewNames1")->objectName(), QStringLiteral("HebrewNames1"));
    EXPECT_EQ(Find<QAction>(F, "HebrewNames1")->text(), QStringLiteral("&Hebrew Names"));
    EXPECT_EQ(Find<QAction>(F, "HebrewNames1")->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isCheckable());
    EXPECT_FALSE(Find<QAction>(F, "HebrewNames1")->isChecked());
    const QList<QAction*> Items = Find<QMenu>(F, "Optios1")->actions();
    const qsizetype Stam = Items.indexOf(Find<QMenu>(F, "StamAdar1")->menuAction());
    ASSERT_GE(Stam, 0);
    ASSERT_LT(Stam + 1, Items.size());
    EXPECT_EQ(Items[Stam + 1], Find<QAction>(F, "HebrewNames1"));
    EXPECT_FALSE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().HebrewNames());
}

TEST_F(HebrewNames, TheOptionReachesTheGridAndEveryPage)
{
    Store.Put({{"DateOrder", 1}});
    TForm1& F = Start();
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    Retype(*Find<QLineEdit>(F, "Edit23"), "5787");
    // After the Birthdays page, which moves the grid to its answer.
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2026, 12, 6));
    const int Row = Find<TMirvaneGrid>(F, "MirvaneGrid1")->Row();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CellText(JewishColumn, Row), QStringLiteral("26"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731"));
    const QString Answer = Find<QLineEdit>(F, "Edit4")->text();

    // The grid stays on its date: only the form of the texts changes.
    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isChecked());
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CellText(JewishColumn, Row), QStringLiteral("כ״ו"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CellText(DayTextColumn, Row), QStringLiteral("חנוכה ב׳"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->accessibleDescription(),
              QStringLiteral("Sunday 6 December 2026, כ״ו כסלו תשפ״ז, חנוכה ב׳"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("ג׳ כסלו תשל״א"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), Answer);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit24")->text(), QStringLiteral("י״ט אדר ב׳"));
    EXPECT_GE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Purim — פורים")), 0);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Purim")), -1);

    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CellText(JewishColumn, Row), QStringLiteral("26"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit24")->text(), QStringLiteral("19 Adar2"));
    EXPECT_GE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Purim")), 0);
}

TEST_F(HebrewNames, TheFestivalsListStillSelectsByTheName)
{
    TForm1& F = StartShowing(TForm1::FestivalsPage);
    Find<QAction>(F, "HebrewNames1")->trigger();
    Retype(*Find<QLineEdit>(F, "Edit13"), "1995");
    Pick(*Find<QComboBox>(F, "ComboBox2"), "Purim — פורים");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QStringLiteral("Purim — פורים"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995"));
    // The chosen entry changes its form with the option, and keeps its answer.
    Find<QAction>(F, "HebrewNames1")->trigger();
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QStringLiteral("Purim"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995"));
}

TEST_F(HebrewNames, CtrlHTicksTheItem)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QLineEdit>(F, "Edit20")->setFocus();
    QTest::keyClick(&F, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isChecked());
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().HebrewNames(), true);
}

TEST_F(HebrewNames, KeptBetweenRunsInItsOwnGroup)
{
    Find<QAction>(Start(), "HebrewNames1")->trigger();
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")),
              (std::map<std::string, QString>{{"HebrewNames", "1"}}));
    EXPECT_EQ(Store.Stored().count("HebrewNames"), 0U);
    EXPECT_LE(Store.Stored().size(), 5U);

    TForm1& F = Start();
    EXPECT_TRUE(Find<QAction>(F, "HebrewNames1")->isChecked());
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().HebrewNames());
    Find<QAction>(F, "HebrewNames1")->trigger();
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")),
              (std::map<std::string, QString>{{"HebrewNames", "0"}}));
    EXPECT_FALSE(Find<QAction>(Start(), "HebrewNames1")->isChecked());
}

}  // namespace
}  // namespace mirvane
