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

namespace mirvane {
namespace {

using HebrewNames = FormTest;

TEST_F(HebrewNames, TheItemFollowsStamAdarOffByDefault)
{
    TForm1& F = Start();
    EXPECT_EQ(F.HebrewNames1->objectName(), QStringLiteral("HebrewNames1"));
    EXPECT_EQ(F.HebrewNames1->text(), QStringLiteral("&Hebrew Names"));
    EXPECT_EQ(F.HebrewNames1->shortcut(), QKeySequence(QStringLiteral("Ctrl+H")));
    EXPECT_TRUE(F.HebrewNames1->isCheckable());
    EXPECT_FALSE(F.HebrewNames1->isChecked());
    const QList<QAction*> Items = F.Optios1->actions();
    const qsizetype Stam = Items.indexOf(F.StamAdar1->menuAction());
    ASSERT_GE(Stam, 0);
    ASSERT_LT(Stam + 1, Items.size());
    EXPECT_EQ(Items[Stam + 1], F.HebrewNames1);
    EXPECT_FALSE(F.MirvaneGrid1->Model().HebrewNames());
}

TEST_F(HebrewNames, TheOptionReachesTheGridAndEveryPage)
{
    Store.Put({{"DateOrder", 1}});
    TForm1& F = Start();
    Retype(*F.Edit1, "1/12/70");
    Retype(*F.Edit23, "5787");
    // After the Birthdays page, which moves the grid to its answer.
    F.MirvaneGrid1->SetDate(EncodeDate(2026, 12, 6));
    const int Row = F.MirvaneGrid1->Row();
    EXPECT_EQ(F.MirvaneGrid1->CellText(JewishColumn, Row), QStringLiteral("26"));
    EXPECT_EQ(F.Edit2->text(), QStringLiteral("3 Kislev 5731"));
    const QString Answer = F.Edit4->text();

    // The grid stays on its date: only the form of the texts changes.
    F.HebrewNames1->trigger();
    EXPECT_TRUE(F.HebrewNames1->isChecked());
    EXPECT_EQ(F.MirvaneGrid1->CellText(JewishColumn, Row), QStringLiteral("כ״ו"));
    EXPECT_EQ(F.MirvaneGrid1->CellText(DayTextColumn, Row), QStringLiteral("חנוכה ב׳"));
    EXPECT_EQ(F.MirvaneGrid1->accessibleDescription(),
              QStringLiteral("Sunday 6 December 2026, כ״ו כסלו תשפ״ז, חנוכה ב׳"));
    EXPECT_EQ(F.Edit2->text(), QStringLiteral("ג׳ כסלו תשל״א"));
    EXPECT_EQ(F.Edit2->layoutDirection(), Qt::RightToLeft);
    EXPECT_EQ(F.Edit4->text(), Answer);
    EXPECT_EQ(F.Edit24->text(), QStringLiteral("י״ט אדר ב׳"));
    EXPECT_GE(F.ComboBox2->findText(QStringLiteral("Purim — פורים")), 0);
    EXPECT_EQ(F.ComboBox2->findText(QStringLiteral("Purim")), -1);

    F.HebrewNames1->trigger();
    EXPECT_EQ(F.MirvaneGrid1->CellText(JewishColumn, Row), QStringLiteral("26"));
    EXPECT_EQ(F.Edit2->text(), QStringLiteral("3 Kislev 5731"));
    EXPECT_EQ(F.Edit2->layoutDirection(), Qt::LeftToRight);
    EXPECT_EQ(F.Edit24->text(), QStringLiteral("19 Adar2"));
    EXPECT_GE(F.ComboBox2->findText(QStringLiteral("Purim")), 0);
}

TEST_F(HebrewNames, TheFestivalsListStillSelectsByTheName)
{
    TForm1& F = StartShowing(TForm1::FestivalsPage);
    F.HebrewNames1->trigger();
    Retype(*F.Edit13, "1995");
    Pick(*F.ComboBox2, "Purim — פורים");
    EXPECT_EQ(F.ComboBox2->currentText(), QStringLiteral("Purim — פורים"));
    EXPECT_EQ(F.Edit15->text(), QStringLiteral("Thursday 16 March 1995"));
    // The chosen entry changes its form with the option, and keeps its answer.
    F.HebrewNames1->trigger();
    EXPECT_EQ(F.ComboBox2->currentText(), QStringLiteral("Purim"));
    EXPECT_EQ(F.Edit15->text(), QStringLiteral("Thursday 16 March 1995"));
}

TEST_F(HebrewNames, CtrlHTicksTheItem)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    F.Edit20->setFocus();
    QTest::keyClick(&F, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(F.HebrewNames1->isChecked());
    EXPECT_EQ(F.MirvaneGrid1->Model().HebrewNames(), true);
}

TEST_F(HebrewNames, KeptBetweenRunsInItsOwnGroup)
{
    Start().HebrewNames1->trigger();
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")), (std::map<std::string, QString>{{"CandleLightingTimes", "0"}, {"HebrewNames", "1"}}));
    EXPECT_EQ(Store.Stored().count("HebrewNames"), 0U);
    EXPECT_LE(Store.Stored().size(), 5U);

    TForm1& F = Start();
    EXPECT_TRUE(F.HebrewNames1->isChecked());
    EXPECT_TRUE(F.MirvaneGrid1->Model().HebrewNames());
    F.HebrewNames1->trigger();
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")), (std::map<std::string, QString>{{"CandleLightingTimes", "0"}, {"HebrewNames", "0"}}));
    EXPECT_FALSE(Start().HebrewNames1->isChecked());
}

}  // namespace
}  // namespace mirvane
