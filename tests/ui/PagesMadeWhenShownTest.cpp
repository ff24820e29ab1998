#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "engine/DateConversion.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/QStringPrinter.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

using PagesMadeWhenShown = FormTest;

std::int32_t CycleOf(std::int32_t Year)
{
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    return Calculator.CycleNumber;
}

// What a working page shows, for comparing a page made late with one made
// early and brought up to date by the menus.
struct TPagesShown {
    QStringList BirthdaysHint;
    QString BirthdaysJewishDate;
    Qt::LayoutDirection BirthdaysDirection;
    QStringList FestivalNames;
    QString FestivalYear;
    QString DetailsYear;
    QString SeasonDay;
    Qt::LayoutDirection SeasonDayDirection;

    bool operator==(const TPagesShown&) const = default;
};

TPagesShown PagesShown(TForm1& F)
{
    QStringList Names;
    for (int Index = 0; Index < Find<QComboBox>(F, "ComboBox2")->count(); ++Index) {
        Names.append(Find<QComboBox>(F, "ComboBox2")->itemText(Index));
    }
    return {MemoLines(*Find<QLabel>(F, "Memo1")), Find<QLineEdit>(F, "Edit2")->text(),   Find<QLineEdit>(F, "Edit2")->layoutDirection(),  Names,
            Find<QLineEdit>(F, "Edit13")->text(),    Find<QLineEdit>(F, "Edit23")->text(),  Find<QLineEdit>(F, "Edit24")->text(),           Find<QLineEdit>(F, "Edit24")->layoutDirection()};
}

TEST_F(PagesMadeWhenShown, OnlyTheCalendarAndTheStartPageAreMadeAtStart)
{
    for (const int StartPage : {TForm1::CalendarPage, TForm1::BirthdaysPage, TForm1::FestivalsPage,
                                TForm1::YearDetailsPage, TForm1::RememberPage}) {
        SCOPED_TRACE(StartPage);
        TemporaryStore CaseStore;
        CaseStore.Put({{"StartTab", StartPage}});
        TForm1& F = Start();
        ASSERT_EQ(Find<QTabWidget>(F, "PageControl1")->currentIndex(), StartPage);
        EXPECT_NE(Find<TMirvaneGrid>(F, "MirvaneGrid1"), nullptr);
        EXPECT_EQ(F.Page(TForm1::BirthdaysPage).Made(), StartPage == TForm1::BirthdaysPage);
        EXPECT_EQ(F.Page(TForm1::FestivalsPage).Made(), StartPage == TForm1::FestivalsPage);
        EXPECT_EQ(F.Page(TForm1::YearDetailsPage).Made(), StartPage == TForm1::YearDetailsPage);
        EXPECT_EQ(F.findChild<QTreeWidget*>(QStringLiteral("ListView1")) != nullptr, StartPage == TForm1::RememberPage);
        // A page turned to later is made then, computed for this year.
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::FestivalsPage);
        EXPECT_TRUE(F.Page(TForm1::FestivalsPage).Made());
        EXPECT_EQ(Find<QLineEdit>(F, "Edit13")->text(), QString::number(DecodeDate(Today()).Year));
        EXPECT_NE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
        Close();
    }
}

TEST_F(PagesMadeWhenShown, APageMadeBeforeItIsShownIsComputedForThisYear)
{
    Store.Put({{"StartTab", TForm1::CalendarPage}});
    TForm1& F = Start();
    for (const int Page : {TForm1::BirthdaysPage, TForm1::FestivalsPage, TForm1::YearDetailsPage}) {
        F.Page(Page).Make();
    }
    Find<QCheckBox>(F, "CheckBox1")->toggle();
    EXPECT_TRUE(F.Page(TForm1::BirthdaysPage).Made());
    EXPECT_TRUE(F.Page(TForm1::FestivalsPage).Made());
    EXPECT_TRUE(F.Page(TForm1::YearDetailsPage).Made());
    EXPECT_EQ(Find<QLineEdit>(F, "Edit3")->text(), QString::number(DecodeDate(Today()).Year));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QString::number(DateTimeToJewish(Today()).Year));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit5")->text(), QString::number(CycleOf(YearDetailsOf(F).Year())));
    EXPECT_TRUE(Captured.Boxes.empty());
}

// The menus are used while the pages do not exist yet; each page, once
// made, shows what the menus would have made of it.
TEST_F(PagesMadeWhenShown, APageMadeAfterTheMenusWereUsedShowsTheirChoices)
{
    Store.Put({{"StartTab", TForm1::CalendarPage}});
    TForm1& F = Start();
    Find<QAction>(F, "mmddyy1")->trigger();
    Find<QAction>(F, "Israel1")->trigger();
    Find<QAction>(F, "HebrewNames1")->trigger();
    ASSERT_FALSE(F.Page(TForm1::BirthdaysPage).Made() || F.Page(TForm1::FestivalsPage).Made() || F.Page(TForm1::YearDetailsPage).Made());
    for (const int Page : {TForm1::BirthdaysPage, TForm1::FestivalsPage, TForm1::YearDetailsPage}) {
        Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(Page);
    }
    const TPagesShown MadeLate = PagesShown(F);
    EXPECT_EQ(MadeLate.BirthdaysHint[2], QStringLiteral(" eg. 12/1/70"));
    EXPECT_EQ(MadeLate.SeasonDayDirection, Qt::RightToLeft);
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);

    // The same choices made again, on pages that exist.
    for (QAction* Item : {Find<QAction>(F, "ddmmyy1"), Find<QAction>(F, "mmddyy1"), Find<QAction>(F, "Diaspora1"), Find<QAction>(F, "Israel1"), Find<QAction>(F, "HebrewNames1"), Find<QAction>(F, "HebrewNames1")}) {
        Item->trigger();
    }
    EXPECT_EQ(PagesShown(F), MadeLate);
}

// The page control hands the focus from the page left to the first input of
// the page turned to, which must exist by then.
TEST_F(PagesMadeWhenShown, TheFocusMovesOnToTheFirstInputOfAPageMadeAsItIsShown)
{
    Store.Put({{"StartTab", TForm1::CalendarPage}});
    TForm1& F = Start();
    if (!ShowActive(F)) {
        GTEST_SKIP() << "the platform would not activate the window";
    }
    Find<QLineEdit>(F, "Edit20")->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), Find<QLineEdit>(F, "Edit20"));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::BirthdaysPage);
    EXPECT_EQ(QApplication::focusWidget(), Find<QLineEdit>(F, "Edit1"));
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    EXPECT_EQ(QApplication::focusWidget(), Find<QTreeWidget>(F, "ListView1"));
}

}  // namespace
}  // namespace mirvane
