#include <string_view>
#include <map>
#include <string>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QMenuBar>
#include <QTabBar>
#include <QTabWidget>

#include "engine/DateConversion.h"
#include "grid/MirvaneGrid.h"
#include "settings/LocaleDateOrder.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

const QStringList LinesAsCreated = {
    QStringLiteral("Enter the original Date"), QStringLiteral("of the Birthday or Yahrtzeit"),
    QStringLiteral("   eg. 1/12/70"), QStringLiteral("   or   1 Dec 70"), QStringLiteral("   or   1 December 1970")};

using StartUp = FormTest;

TEST_F(StartUp, FirstRunShowsTheDefaultsAndComputesThePagesThroughTheirSpinners)
{
    TForm1& F = Start();
    EXPECT_TRUE(Find<QAction>(F, "Diaspora1")->isChecked());
    EXPECT_TRUE(Find<QAction>(F, "GregorianMonth1")->isChecked());
    EXPECT_TRUE(Find<QAction>(F, "Adar21")->isChecked());
    const TDateOrder Order = LocaleDateOrder();
    EXPECT_TRUE((Order == MonthDayYear ? Find<QAction>(F, "mmddyy1") : Order == DayMonthYear ? Find<QAction>(F, "ddmmyy1") : Find<QAction>(F, "yymmdd1"))->isChecked());
    EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), TForm1::BirthdaysPage);
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().Rules(), TRules::Diaspora);

    EXPECT_EQ(YearDetailsOf(F).Year(), DateTimeToJewish(Today()).Year);
    const QString ThisYear = QString::number(DecodeDate(Today()).Year);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit3")->text(), ThisYear);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit13")->text(), ThisYear);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QString::number(DateTimeToJewish(Today()).Year));

    EXPECT_GT(Find<QComboBox>(F, "ComboBox2")->count(), 40);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QString());
    EXPECT_NE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
    // The year boxes fill only at the grid's first change.
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QString());
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QString());
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Today());
    EXPECT_TRUE(Captured.Boxes.empty());
}

struct TStartCase {
    const char* Title;
    std::map<std::string, QVariant> Stored;
    int Page;
    bool Israel;
    bool JewishMonth;
    bool Adar1;
    const char* DateOrderItem;
};

TEST_F(StartUp, AppliesTheStoredOptionsAsTheMenusWould)
{
    const TStartCase Cases[] = {
        {"StartTab 4 opens the hidden page", {{"StartTab", 4}}, 4, false, false, false, "ddmmyy1"},
        {"StartTab 6 is no page", {{"StartTab", 6}}, 1, false, false, false, "ddmmyy1"},
        {"StartTab -1 is no page", {{"StartTab", -1}}, 1, false, false, false, "ddmmyy1"},
        {"StartTab 0", {{"StartTab", 0}}, 0, false, false, false, "ddmmyy1"},
        {"only Diaspora 0", {{"Diaspora", 0}}, 1, true, false, false, "ddmmyy1"},
        {"ByJMonth 5", {{"ByJMonth", 5}}, 1, false, true, false, "ddmmyy1"},
        {"StamAdar1 1", {{"StamAdar1", 1}}, 1, false, false, true, "ddmmyy1"},
        {"DateOrder 0", {{"DateOrder", 0}}, 1, false, false, false, "mmddyy1"},
        {"DateOrder 2", {{"DateOrder", 2}}, 1, false, false, false, "yymmdd1"},
        {"DateOrder 7 selects nothing", {{"DateOrder", 7}}, 1, false, false, false, "ddmmyy1"},
        {"a value that is no integer", {{"StartTab", QStringLiteral("three")}}, 1, false, false, false,
         "ddmmyy1"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Title);
        TemporaryStore CaseStore;
        CaseStore.Put(Case.Stored);
        TForm1& F = Start();
        EXPECT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), Case.Page);
        EXPECT_TRUE(Find<QTabWidget>(F, "PageControl1")->isTabVisible(TForm1::RememberPage));
        EXPECT_EQ(Find<QAction>(F, "Israel1")->isChecked(), Case.Israel);
        EXPECT_EQ(Find<QAction>(F, "Diaspora1")->isChecked(), !Case.Israel);
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().Rules(), RulesOf(!Case.Israel));
        EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")) != -1, !Case.Israel);
        EXPECT_EQ(Find<QAction>(F, "JewishMonth1")->isChecked(), Case.JewishMonth);
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth(), Case.JewishMonth);
        EXPECT_EQ(Find<QAction>(F, "Adar11")->isChecked(), Case.Adar1);
        EXPECT_TRUE(Find<QAction>(F, Case.DateOrderItem)->isChecked());
        // Israel and Jewish-month pages make the grid report a change, which
        // fills the year boxes; otherwise they stay empty.
        EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text().isEmpty(), !Case.Israel && !Case.JewishMonth);
        if (std::string_view(Case.DateOrderItem) == "ddmmyy1" && Case.Stored.count("DateOrder") != 0) {
            EXPECT_EQ(Lines(*Find<QLabel>(F, "Memo1")), LinesAsCreated);
        }
        Close();
    }
}

// Between the menu bar and the tabs nothing shows: no control of a page
// that is not shown paints over the window's top, whichever page starts.
TEST_F(StartUp, NothingButTheMenuAndTheTabsShowsAboveThePages)
{
    for (int Page = TForm1::CalendarPage; Page <= TForm1::RememberPage; ++Page) {
        SCOPED_TRACE(Page);
        Store.Put({{"StartTab", Page}});
        TForm1& F = Start();
        F.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&F));
        const QTabBar* Tabs = Find<QTabWidget>(F, "PageControl1")->tabBar();
        const int PagesTop = Tabs->mapTo(&F, QPoint(0, Tabs->height())).y();
        for (const QWidget* Control : F.findChildren<QWidget*>()) {
            if (!Control->isVisible() || Control->isWindow() || Control->isAncestorOf(Find<QTabWidget>(F, "PageControl1")) ||
                Control == Find<QMenuBar>(F, "MainMenu1") || Find<QMenuBar>(F, "MainMenu1")->isAncestorOf(Control) || Control == Find<QTabWidget>(F, "PageControl1") ||
                Control == Tabs || Tabs->isAncestorOf(Control))
                continue;
            EXPECT_GE(Control->mapTo(&F, QPoint(0, 0)).y(), PagesTop - 2)
                << Control->metaObject()->className() << " " << Control->objectName().toStdString();
            const QWidget* Shown = Find<QTabWidget>(F, "PageControl1")->currentWidget();
            const bool OfThePages = Find<QTabWidget>(F, "PageControl1")->isAncestorOf(Control) && Control->parentWidget() != Find<QTabWidget>(F, "PageControl1");
            EXPECT_TRUE(!OfThePages || Control == Shown || Shown->isAncestorOf(Control))
                << "a control of a page not shown: " << Control->objectName().toStdString();
        }
        Close();
    }
}

TEST_F(StartUp, ShutDownWritesNothingWhenNothingChanged)
{
    Start();
    Close();
    EXPECT_FALSE(Store.FileExists());

    Store.Put({{"StartTab", 3}, {"Diaspora", 0}});
    Start();
    Close();
    EXPECT_EQ(Store.Stored(), (std::map<std::string, QString>{{"Diaspora", QStringLiteral("0")},
                                                               {"StartTab", QStringLiteral("3")}}));
}

TEST_F(StartUp, ShutDownWritesAllFiveWhenOnlyThePageChanged)
{
    Store.Put({{"DateOrder", 1}});
    Find<QTabWidget>(Start(), "PageControl1")->setCurrentIndex(TForm1::FestivalsPage);
    Close();
    const std::map<std::string, QString> Expected = {
        {"DateOrder", QStringLiteral("1")}, {"ByJMonth", QStringLiteral("0")}, {"StamAdar1", QStringLiteral("0")},
        {"Diaspora", QStringLiteral("1")}, {"StartTab", QStringLiteral("2")}};
    EXPECT_EQ(Store.Stored(), Expected);
}

TEST_F(StartUp, CarriedValuesAreWrittenBackAsTheMenusShowThem)
{
    Store.Put({{"DateOrder", 7}, {"ByJMonth", 5}, {"StartTab", 9}});
    Start();
    Close();
    const std::map<std::string, QString> Expected = {
        {"DateOrder", QStringLiteral("1")}, {"ByJMonth", QStringLiteral("1")}, {"StamAdar1", QStringLiteral("0")},
        {"Diaspora", QStringLiteral("1")}, {"StartTab", QStringLiteral("1")}};
    EXPECT_EQ(Store.Stored(), Expected);
}

TEST_F(StartUp, MenuChoicesSurviveARestart)
{
    TForm1& F = Start();
    Find<QAction>(F, "Adar11")->trigger();
    Find<QAction>(F, "Israel1")->trigger();
    Find<QAction>(F, "yymmdd1")->trigger();
    Find<QAction>(F, "JewishMonth1")->trigger();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    Close();

    TForm1& Again = Start();
    EXPECT_TRUE(Find<QAction>(Again, "Adar11")->isChecked());
    EXPECT_TRUE(Find<QAction>(Again, "Israel1")->isChecked());
    EXPECT_TRUE(Find<QAction>(Again, "yymmdd1")->isChecked());
    EXPECT_TRUE(Find<QAction>(Again, "JewishMonth1")->isChecked());
    EXPECT_EQ(Find<QTabWidget>(Again, "PageControl1")->currentIndex(), TForm1::RememberPage);
}

TEST_F(StartUp, ACorruptOrUnwritableStoreNeverStopsTheProgram)
{
    Store.WriteRaw(QByteArray("\xff\xfe[Options]\nStartTab=\"\n[[[\x01", 28));
    TForm1& F = Start();
    EXPECT_EQ(YearDetailsOf(F).Year(), DateTimeToJewish(Today()).Year);
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::CalendarPage);
    Close();

    TemporaryStore Blocked;
    QFile Blocker(Blocked.FolderPath() + QStringLiteral("/Tellwen"));
    ASSERT_TRUE(Blocker.open(QIODevice::WriteOnly));
    Blocker.close();
    Find<QAction>(Start(), "Israel1")->trigger();
    Close();
    EXPECT_TRUE(Captured.Boxes.empty());
}

}  // namespace
}  // namespace mirvane
