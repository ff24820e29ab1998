#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "engine/DateConversion.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/QStringPrinter.h"

namespace mirvane {
namespace {

using PagesMadeWhenShown = FormTest;

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
    for (int Index = 0; Index < F.ComboBox2->count(); ++Index) {
        Names.append(F.ComboBox2->itemText(Index));
    }
    return {MemoLines(*F.Memo1), F.Edit2->text(),   F.Edit2->layoutDirection(),  Names,
            F.Edit13->text(),    F.Edit23->text(),  F.Edit24->text(),           F.Edit24->layoutDirection()};
}

TEST_F(PagesMadeWhenShown, OnlyTheCalendarAndTheStartPageAreMadeAtStart)
{
    for (const int StartPage : {TForm1::CalendarPage, TForm1::BirthdaysPage, TForm1::FestivalsPage,
                                TForm1::YearDetailsPage, TForm1::RememberPage}) {
        SCOPED_TRACE(StartPage);
        TemporaryStore CaseStore;
        CaseStore.Put({{"StartTab", StartPage}});
        TForm1& F = Start();
        ASSERT_EQ(F.PageControl1->currentIndex(), StartPage);
        EXPECT_NE(F.MirvaneGrid1, nullptr);
        EXPECT_EQ(F.BirthdaysControls.Made(), StartPage == TForm1::BirthdaysPage);
        EXPECT_EQ(F.FestivalsControls.Made(), StartPage == TForm1::FestivalsPage);
        EXPECT_EQ(F.YearDetailsControls.Made(), StartPage == TForm1::YearDetailsPage);
        EXPECT_EQ(F.ListView1 != nullptr, StartPage == TForm1::RememberPage);
        // A page turned to later is made then, computed for this year.
        F.PageControl1->setCurrentIndex(TForm1::FestivalsPage);
        EXPECT_TRUE(F.FestivalsControls.Made());
        EXPECT_EQ(F.Edit13->text(), QString::number(DecodeDate(Today()).Year));
        EXPECT_NE(F.ComboBox2->findText(QStringLiteral("Simchat Torah")), -1);
        Close();
    }
}

TEST_F(PagesMadeWhenShown, AHandlerRunFirstMakesItsPage)
{
    Store.Put({{"StartTab", TForm1::CalendarPage}});
    TForm1& F = Start();
    F.Edit1Change();
    F.ComboBox2Change();
    F.Edit23Change();
    F.CheckBox1Click();
    EXPECT_TRUE(F.BirthdaysControls.Made());
    EXPECT_TRUE(F.FestivalsControls.Made());
    EXPECT_TRUE(F.YearDetailsControls.Made());
    EXPECT_EQ(F.Edit3->text(), QString::number(DecodeDate(Today()).Year));
    EXPECT_EQ(F.Edit23->text(), QString::number(DateTimeToJewish(Today()).Year));
    EXPECT_EQ(F.Edit5->text(), QString::number(F.DetailsYear->CycleNumber));
    EXPECT_TRUE(Captured.Boxes.empty());
}

// The menus are used while the pages do not exist yet; each page, once
// made, shows what the menus would have made of it.
TEST_F(PagesMadeWhenShown, APageMadeAfterTheMenusWereUsedShowsTheirChoices)
{
    Store.Put({{"StartTab", TForm1::CalendarPage}});
    TForm1& F = Start();
    F.mmddyy1->trigger();
    F.Israel1->trigger();
    F.HebrewNames1->trigger();
    ASSERT_FALSE(F.BirthdaysControls.Made() || F.FestivalsControls.Made() || F.YearDetailsControls.Made());
    for (const int Page : {TForm1::BirthdaysPage, TForm1::FestivalsPage, TForm1::YearDetailsPage}) {
        F.PageControl1->setCurrentIndex(Page);
    }
    const TPagesShown MadeLate = PagesShown(F);
    EXPECT_EQ(MadeLate.BirthdaysHint[2], QStringLiteral(" eg. 12/1/70"));
    EXPECT_EQ(MadeLate.SeasonDayDirection, Qt::RightToLeft);
    EXPECT_EQ(F.ComboBox2->findText(QStringLiteral("Simchat Torah")), -1);

    // The same choices made again, on pages that exist.
    for (QAction* Item : {F.ddmmyy1, F.mmddyy1, F.Diaspora1, F.Israel1, F.HebrewNames1, F.HebrewNames1}) {
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
    F.Edit20->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), F.Edit20);
    F.PageControl1->setCurrentIndex(TForm1::BirthdaysPage);
    EXPECT_EQ(QApplication::focusWidget(), F.Edit1.get());
    F.PageControl1->setCurrentIndex(TForm1::RememberPage);
    EXPECT_EQ(QApplication::focusWidget(), F.ListView1);
}

}  // namespace
}  // namespace mirvane
