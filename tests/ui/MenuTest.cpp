#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSet>
#include <QTest>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using Menus = FormTest;

struct TItemCase {
    const char* Item;
    const char* Name;
    const char* Caption;
    const char* Shortcut;
    bool Checked;
};

TEST_F(Menus, CarryTheirCaptionsShortcutsAndCheckMarksInOrder)
{
    Store.Put({{"DateOrder", 1}});
    TForm1& F = Start();
    QStringList TopLevel;
    for (QAction* Action : Find<QMenuBar>(F, "MainMenu1")->actions()) {
        TopLevel.append(Action->text());
    }
    EXPECT_EQ(TopLevel, (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"), QStringLiteral("&Quit"),
                                     QStringLiteral("&Help")}));

    const TItemCase Items[] = {
        {"Diaspora1", "Diaspora1", "&Diaspora", "Ctrl+D", true},
        {"Israel1", "Israel1", "&Israel", "Ctrl+I", false},
        {"ddmmyy1", "ddmmyy1", "dd/mm/yy", "", true},
        {"mmddyy1", "mmddyy1", "mm/dd/yy", "", false},
        {"yymmdd1", "yymmdd1", "yy/mm/dd", "", false},
        {"GregorianMonth1", "GregorianMonth1", "Gregorian Month", "Ctrl+G", true},
        {"JewishMonth1", "JewishMonth1", "Jewish Month", "Ctrl+J", false},
        {"Adar11", "Adar11", "Adar 1", "Ctrl+A", false},
        {"Adar21", "Adar21", "Adar 2", "Ctrl+B", true},
    };
    for (const auto& Item : Items) {
        QAction* Action = Find<QAction>(F, Item.Item);
        EXPECT_EQ(Action->objectName(), QString::fromLatin1(Item.Name));
        EXPECT_EQ(Action->text(), QString::fromLatin1(Item.Caption));
        EXPECT_EQ(Action->shortcut(), QKeySequence(QString::fromLatin1(Item.Shortcut))) << Item.Name;
        EXPECT_TRUE(Action->isCheckable()) << Item.Name;
        EXPECT_EQ(Action->isChecked(), Item.Checked) << Item.Name;
        ASSERT_NE(Action->actionGroup(), nullptr) << Item.Name;
        EXPECT_EQ(Action->actionGroup()->exclusionPolicy(), QActionGroup::ExclusionPolicy::Exclusive);
    }
    // One group per submenu.
    EXPECT_EQ(Find<QAction>(F, "Diaspora1")->actionGroup(), Find<QAction>(F, "Israel1")->actionGroup());
    EXPECT_NE(Find<QAction>(F, "Diaspora1")->actionGroup(), Find<QAction>(F, "ddmmyy1")->actionGroup());
    EXPECT_EQ(Find<QAction>(F, "ddmmyy1")->actionGroup()->actions().size(), 3);

    QStringList Options;
    for (QAction* Action : Find<QMenu>(F, "Optios1")->actions()) {
        Options.append(Action->isSeparator() ? QStringLiteral("-") : Action->text());
    }
    EXPECT_EQ(Options, (QStringList{QStringLiteral("&Diaspora"), QStringLiteral("&Israel"), QStringLiteral("-"),
                                    QStringLiteral("Date Entry Format"), QStringLiteral("Calendar by"),
                                    QStringLiteral("Stam Adar"), QStringLiteral("&Hebrew Names"),
                                    QStringLiteral("Lo&cation..."), QStringLiteral("Candle-lighting &Times (choose a place first)"),
                                    QStringLiteral("&Show on the Calendar"), QStringLiteral("Calendar &Account..."),
                                    QStringLiteral("&Language")}));
    QStringList Help;
    for (QAction* Action : Find<QMenu>(F, "MenuHelp")->actions()) {
        Help.append(Action->isSeparator() ? QStringLiteral("-") : Action->text());
    }
    EXPECT_EQ(Help, (QStringList{QStringLiteral("&Notes..."), QStringLiteral("-"), QStringLiteral("&About...")}));
    EXPECT_EQ(Find<QAction>(F, "Quit1")->objectName(), QStringLiteral("Quit1"));
    EXPECT_EQ(Find<QAction>(F, "N1")->objectName(), QStringLiteral("N1"));
}

// The items' texts, "-" for a separator.
QStringList MenuTexts(QMenu& Menu)
{
    QStringList Texts;
    for (QAction* Action : Menu.actions())
        Texts.append(Action->isSeparator() ? QStringLiteral("-") : Action->text());
    return Texts;
}

// The letters after "&" in the menu's items, each once.
void ExpectUniqueMnemonics(QMenu& Menu)
{
    QStringList Letters;
    for (const QString& Text : MenuTexts(Menu)) {
        const qsizetype At = Text.indexOf(u'&');
        if (At >= 0 && At + 1 < Text.size())
            Letters.append(Text.mid(At + 1, 1).toLower());
    }
    Letters.sort();
    EXPECT_EQ(Letters.size(), QSet<QString>(Letters.begin(), Letters.end()).size()) << Letters.join(u' ').toStdString();
}

TEST_F(Menus, ShowOnTheCalendarTicksEveryGroupButTheLearningAtFirst)
{
    TForm1& F = Start();
    QMenu& Show = *Find<QMenu>(F, "ShowOnCalendar1");
    EXPECT_EQ(MenuTexts(Show),
              (QStringList{QStringLiteral("&Rosh Chodesh"), QStringLiteral("&Special Shabbatot"),
                           QStringLiteral("Shabbat &Mevarchim and Molad"), QStringLiteral("&Omer"),
                           QStringLiteral("Israel's &National Days"), QStringLiteral("M&inor Days"),
                           QStringLiteral("Daily &Learning")}));
    for (QAction* Tick : Show.actions())
        EXPECT_EQ(Tick->isChecked(), Tick->menu() == nullptr) << Tick->text().toStdString();
    QMenu& Learning = *Find<QMenu>(F, "DailyLearning1");
    EXPECT_EQ(MenuTexts(Learning),
              (QStringList{QStringLiteral("Daf Yomi"), QStringLiteral("Mishna Yomit"), QStringLiteral("Nach Yomi"),
                           QStringLiteral("Yerushalmi Yomi (Vilna)"), QStringLiteral("Yerushalmi Yomi (Schottenstein)"),
                           QStringLiteral("Daily Rambam"), QStringLiteral("Daily Rambam (3 chapters)"),
                           QStringLiteral("Chofetz Chaim"), QStringLiteral("Daf a Week")}));
    for (QAction* Tick : Learning.actions())
        EXPECT_FALSE(Tick->isChecked()) << Tick->text().toStdString();
    ExpectUniqueMnemonics(*Find<QMenu>(F, "Optios1"));
    ExpectUniqueMnemonics(Show);
}

struct TFileItemCase {
    const char* Item;
    const char* Name;
    const char* Caption;
    const char* Shortcut;
};

TEST_F(Menus, FileMenuCarriesItsItemsAndEnablesThoseOfThePageShown)
{
    TForm1& F = Start();
    EXPECT_EQ(Find<QMenu>(F, "File1")->objectName(), QStringLiteral("File1"));
    const TFileItemCase Items[] = {
        {"ImportDates1", "ImportDates1", "&Import Dates...", ""},
        {"UndoImport1", "UndoImport1", "&Undo Import", ""},
        {"ExportList1", "ExportList1", "&Export List...", ""},
        {"Print1", "Print1", "&Print...", "Ctrl+P"},
        {"PrintPreview1", "PrintPreview1", "Print Pre&view...", ""},
    };
    QStringList File;
    for (QAction* Action : Find<QMenu>(F, "File1")->actions()) {
        File.append(Action->text());
    }
    ASSERT_EQ(File.size(), 5);
    for (std::size_t Index = 0; Index < std::size(Items); ++Index) {
        QAction* Action = Find<QAction>(F, Items[Index].Item);
        EXPECT_EQ(Action, Find<QMenu>(F, "File1")->actions().at(static_cast<qsizetype>(Index)));
        EXPECT_EQ(Action->objectName(), QString::fromLatin1(Items[Index].Name));
        EXPECT_EQ(Action->text(), QString::fromLatin1(Items[Index].Caption));
        EXPECT_EQ(Action->shortcut(), QKeySequence(QString::fromLatin1(Items[Index].Shortcut)));
        EXPECT_FALSE(Action->isCheckable());
    }
    // Only the pages with a list of dates or days export it; every page
    // prints.
    const bool Exports[TForm1::PageCount] = {true, true, true, false, true, true};
    for (int Page = 0; Page < TForm1::PageCount; ++Page) {
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(Page);
        EXPECT_EQ(Find<QAction>(F, "ExportList1")->isEnabled(), Exports[Page]) << Page;
        EXPECT_TRUE(Find<QAction>(F, "Print1")->isEnabled()) << Page;
        EXPECT_TRUE(Find<QAction>(F, "PrintPreview1")->isEnabled()) << Page;
    }
}

TEST_F(Menus, RadioItemsUncheckTheOthersOfTheirGroupOnly)
{
    TForm1& F = Start();
    Find<QAction>(F, "Israel1")->trigger();
    EXPECT_TRUE(Find<QAction>(F, "Israel1")->isChecked());
    EXPECT_FALSE(Find<QAction>(F, "Diaspora1")->isChecked());
    EXPECT_TRUE(Find<QAction>(F, "GregorianMonth1")->isChecked());
    Find<QAction>(F, "Adar11")->trigger();
    EXPECT_FALSE(Find<QAction>(F, "Adar21")->isChecked());
    Find<QAction>(F, "Adar21")->trigger();
    EXPECT_FALSE(Find<QAction>(F, "Adar11")->isChecked());
    Find<QAction>(F, "Israel1")->trigger();
    EXPECT_TRUE(Find<QAction>(F, "Israel1")->isChecked());
}

struct TOrderCase {
    const char* Item;
    QStringList Examples;
};

TEST_F(Menus, DateOrderRewritesTheExampleLinesOfMemo1)
{
    TForm1& F = Start();
    const TOrderCase Cases[] = {
        {"mmddyy1",
         {QStringLiteral(" eg. 12/1/70"), QStringLiteral(" or  Dec 1 70"), QStringLiteral(" or  December 1 1970")}},
        {"yymmdd1",
         {QStringLiteral(" eg. 70/12/1"), QStringLiteral(" or  70 Dec 1"), QStringLiteral(" or  1970 December 1")}},
        {"ddmmyy1",
         {QStringLiteral(" eg. 1/12/70"), QStringLiteral(" or  1 Dec 70"), QStringLiteral(" or  1 December 1970")}},
    };
    for (const auto& Case : Cases) {
        Find<QAction>(F, Case.Item)->trigger();
        EXPECT_TRUE(Find<QAction>(F, Case.Item)->isChecked());
        const QStringList Expected =
            QStringList{QStringLiteral("Enter the original Date"), QStringLiteral("of the Birthday or Yahrtzeit")} +
            Case.Examples;
        EXPECT_EQ(Lines(*Find<QLabel>(F, "Memo1")), Expected);
    }
}

TEST_F(Menus, DiasporaAndIsraelSwitchTheRulesAndRefillTheNamesButNotThePage)
{
    TForm1& F = Start();
    Find<QComboBox>(F, "ComboBox2")->setEditText(QStringLiteral("Simchat Torah"));
    Find<QLineEdit>(F, "Edit15")->setText(QStringLiteral("shown before"));
    Find<QAction>(F, "Israel1")->trigger();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().Rules(), TRules::Israel);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
    EXPECT_GT(Find<QComboBox>(F, "ComboBox2")->count(), 40);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QStringLiteral("Simchat Torah"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("shown before"));
    // The grid reports the change of rules, which fills the year boxes.
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QString::number(DecodeDate(Today()).Year));

    Find<QComboBox>(F, "ComboBox2")->setEditText(QStringLiteral("Purim"));
    Find<QAction>(F, "Diaspora1")->trigger();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().Rules(), TRules::Diaspora);
    EXPECT_NE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QStringLiteral("Purim"));
}

TEST_F(Menus, CalendarBySwitchesThePageKindAndBackToTheSameDay)
{
    TForm1& F = Start();
    const TDateTime Date = EncodeDate(2000, 3, 15);
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(Date);
    Find<QAction>(F, "GregorianMonth1")->trigger();  // already ticked: nothing changes
    EXPECT_FALSE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth());

    Find<QAction>(F, "JewishMonth1")->trigger();
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth());
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Date);
    Find<QAction>(F, "GregorianMonth1")->trigger();
    EXPECT_FALSE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth());
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Date);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QStringLiteral("2000"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QStringLiteral("5760"));
}

TEST_F(Menus, ARefusedPageKindLeavesTheTickOnTheKindTheGridShows)
{
    struct TCase {
        const char* Name;
        TDateTime Date;
        bool StartByJewishMonth;
    };
    // A Jewish page of the year 10000 has no Gregorian page; the first days
    // of the calendar have no whole Jewish page.
    const TCase Cases[] = {
        {"Gregorian page before the first Jewish page", EncodeDate(2, 11, 5), false},
        {"Jewish page past 9999", JewishToDateTime(13760, 6, 10), true},
    };
    for (const TCase& Case : Cases) {
        TForm1& F = Start();
        if (Case.StartByJewishMonth) {
            Find<QAction>(F, "JewishMonth1")->trigger();
        }
        Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(Case.Date);
        Captured.Boxes.clear();
        (Case.StartByJewishMonth ? Find<QAction>(F, "GregorianMonth1") : Find<QAction>(F, "JewishMonth1"))->trigger();
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth(), Case.StartByJewishMonth) << Case.Name;
        EXPECT_EQ(Find<QAction>(F, "JewishMonth1")->isChecked(), Case.StartByJewishMonth) << Case.Name;
        EXPECT_EQ(Find<QAction>(F, "GregorianMonth1")->isChecked(), !Case.StartByJewishMonth) << Case.Name;
        EXPECT_EQ(Captured.Boxes.size(), 1U) << Case.Name;
        Close();
    }
}

TEST_F(Menus, ChoosingTheTickedPageKindLeavesTheEmptyBoxesAlone)
{
    TForm1& F = Start();
    Find<QAction>(F, "GregorianMonth1")->trigger();
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QString());
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QString());
}

TEST_F(Menus, CtrlShortcutsReachTheItems)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QLineEdit>(F, "Edit20")->setFocus();
    QTest::keyClick(&F, Qt::Key_J, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "JewishMonth1")->isChecked());
    QTest::keyClick(&F, Qt::Key_I, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "Israel1")->isChecked());
    QTest::keyClick(&F, Qt::Key_B, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "Adar21")->isChecked());
    QTest::keyClick(&F, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "GregorianMonth1")->isChecked());
    QTest::keyClick(&F, Qt::Key_D, Qt::ControlModifier);
    EXPECT_TRUE(Find<QAction>(F, "Diaspora1")->isChecked());
}

TEST_F(Menus, MnemonicsAndArrowKeysReachEveryItem)
{
    TForm1& F = Start();
    ASSERT_TRUE(ShowActive(F));
    Find<QLineEdit>(F, "Edit1")->setFocus();

    // Alt+O opens Options; the item's letter picks it.
    QTest::keyClick(&F, Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), Find<QMenu>(F, "Optios1"));
    QTest::keyClick(Find<QMenu>(F, "Optios1"), Qt::Key_I);
    EXPECT_TRUE(Find<QAction>(F, "Israel1")->isChecked());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Items without a letter by the arrow keys: down past Diaspora and
    // Israel to "Date Entry Format", right into it, down to "mm/dd/yy".
    QTest::keyClick(&F, Qt::Key_O, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), Find<QMenu>(F, "Optios1"));
    QTest::keyClick(Find<QMenu>(F, "Optios1"), Qt::Key_Down);
    QTest::keyClick(Find<QMenu>(F, "Optios1"), Qt::Key_Down);
    QTest::keyClick(Find<QMenu>(F, "Optios1"), Qt::Key_Right);
    ASSERT_EQ(QApplication::activePopupWidget(), Find<QMenu>(F, "DateEntryFormat1"));
    QTest::keyClick(Find<QMenu>(F, "DateEntryFormat1"), Qt::Key_Down);
    QTest::keyClick(Find<QMenu>(F, "DateEntryFormat1"), Qt::Key_Return);
    EXPECT_TRUE(Find<QAction>(F, "mmddyy1")->isChecked());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Escape closes a menu without picking anything.
    QTest::keyClick(&F, Qt::Key_H, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), Find<QMenu>(F, "MenuHelp"));
    QTest::keyClick(Find<QMenu>(F, "MenuHelp"), Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // Alt+H, N shows the note.
    QTest::keyClick(&F, Qt::Key_H, Qt::AltModifier);
    QTest::keyClick(Find<QMenu>(F, "MenuHelp"), Qt::Key_N);
    EXPECT_EQ(Captured.Boxes.size(), 1U);

    // Alt+Q quits.
    QTest::keyClick(&F, Qt::Key_Q, Qt::AltModifier);
    EXPECT_FALSE(F.isVisible());
}

TEST_F(Menus, QuitClosesTheWindowAndShutDownRuns)
{
    TForm1& F = Start();
    F.show();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::YearDetailsPage);
    Find<QAction>(F, "Quit1")->trigger();
    EXPECT_FALSE(F.isVisible());
    Close();
    EXPECT_EQ(Store.Stored().at("StartTab"), QStringLiteral("3"));
}

}  // namespace
}  // namespace mirvane
