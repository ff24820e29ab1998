#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QFontMetrics>
#include <QTabWidget>
#include <QTextDocument>
#include <QTest>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "widgets/UpDown.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

class BirthdaysPage : public FormTest {
protected:
    // The page shown, days typed day first.
    TForm1& StartOnPage()
    {
        TForm1& F = StartShowing(TForm1::BirthdaysPage);
        Find<QAction>(F, "ddmmyy1")->trigger();
        return F;
    }
    // The answer box, then every line of the list.
    QStringList Answers() const { return QStringList{Find<QLineEdit>(*Form, "Edit4")->text()} + Lines(*Find<QPlainTextEdit>(*Form, "Memo4")); }
    void ExpectNoAnswer() const
    {
        EXPECT_EQ(Find<QLineEdit>(*Form, "Edit2")->text(), QString());
        EXPECT_EQ(Find<QLineEdit>(*Form, "Edit4")->text(), QString());
        EXPECT_TRUE(Find<QPlainTextEdit>(*Form, "Memo4")->isHidden());
    }
};

struct TAnniversaryCase {
    const char* Name;
    const char* Typed;
    bool AfterSunset;
    bool Night;
    const char* TargetYear;
    const char* Years;
    const char* JewishDate;
    QStringList Lines;  // the first is also the answer box
};

TEST_F(BirthdaysPage, TypedDatesGiveTheJewishDateAndTheAnniversaries)
{
    const TAnniversaryCase Cases[] = {
        {"three years", "1/12/70", false, false, "1995", "3", "3 Kislev 5731",
         {QStringLiteral("Sunday 26 November 1995"), QStringLiteral("Thursday 14 November 1996"),
          QStringLiteral("Tuesday 2 December 1997")}},
        {"three years, the night before", "1/12/70", false, true, "1995", "3", "3 Kislev 5731",
         {QStringLiteral("Saturday 25 November 1995"), QStringLiteral("Wednesday 13 November 1996"),
          QStringLiteral("Monday 1 December 1997")}},
        {"after sunset", "1/12/70", true, false, "1995", "", "4 Kislev 5731",
         {QStringLiteral("Monday 27 November 1995")}},
        {"the event's own year", "1/12/70", false, false, "1970", "", "3 Kislev 5731",
         {QStringLiteral("Tuesday 1 December 1970")}},
        {"its own year after sunset", "1/12/70", true, false, "1970", "", "4 Kislev 5731",
         {QStringLiteral("Wednesday 2 December 1970")}},
        {"after sunset, the night before", "1/12/70", true, true, "1970", "", "4 Kislev 5731",
         {QStringLiteral("Tuesday 1 December 1970")}},
        {"Adar II, then Adar in common years", "15/3/97", false, false, "1997", "5", "6 Adar2 5757",
         {QStringLiteral("Saturday 15 March 1997"), QStringLiteral("Wednesday 4 March 1998"),
          QStringLiteral("Monday 22 February 1999"), QStringLiteral("Monday 13 March 2000"),
          QStringLiteral("Thursday 1 March 2001")}},
        {"month as a word", "1 December 1970", false, false, "1995", "", "3 Kislev 5731",
         {QStringLiteral("Sunday 26 November 1995")}},
        {"a year after 2000", "1/1/2048", false, false, "2048", "", "",
         {QStringLiteral("Wednesday 1 January 2048")}},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit3"), Case.TargetYear);
        Retype(*Find<QLineEdit>(F, "Edit25"), Case.Years);
        if (Case.AfterSunset) {
            QTest::mouseClick(Find<QCheckBox>(F, "CheckBox2"), Qt::LeftButton);
            ASSERT_TRUE(Find<QCheckBox>(F, "CheckBox2")->isChecked());
        }
        if (Case.Night) {
            QTest::mouseClick(Find<QRadioButton>(F, "RadioButton1"), Qt::LeftButton);
            ASSERT_TRUE(Find<QRadioButton>(F, "RadioButton1")->isChecked());
        }
        Retype(*Find<QLineEdit>(F, "Edit1"), Case.Typed);
        if (*Case.JewishDate != '\0') {
            EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QString::fromLatin1(Case.JewishDate));
        }
        EXPECT_EQ(Answers(), QStringList{Case.Lines.front()} + Case.Lines);
        EXPECT_EQ(Find<QPlainTextEdit>(F, "Memo4")->isHidden(), *Case.Years == '\0');
        EXPECT_TRUE(Captured.Boxes.empty());
    }
}

TEST_F(BirthdaysPage, EveryInputRecomputesThePage)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 26 November 1995"));

    QTest::mouseClick(Find<QCheckBox>(F, "CheckBox2"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("4 Kislev 5731"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Monday 27 November 1995"));
    QTest::mouseClick(Find<QCheckBox>(F, "CheckBox2"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 26 November 1995"));

    QTest::mouseClick(Find<QRadioButton>(F, "RadioButton1"), Qt::LeftButton);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Saturday 25 November 1995"));
    // The arrow keys move within the two radio buttons; RadioButton2 is the
    // upper one.
    QTest::keyClick(Find<QRadioButton>(F, "RadioButton1"), Qt::Key_Up);
    ASSERT_TRUE(Find<QRadioButton>(F, "RadioButton2")->isChecked());
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 26 November 1995"));

    const QList<QAbstractButton*> Arrows = Find<TUpDown>(F, "UpDown3")->findChildren<QAbstractButton*>();
    ASSERT_EQ(Arrows.size(), 2);
    QTest::mouseClick(Arrows.front(), Qt::LeftButton);  // up
    EXPECT_EQ(Find<QLineEdit>(F, "Edit3")->text(), QStringLiteral("1996"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Thursday 14 November 1996"));

    Retype(*Find<QLineEdit>(F, "Edit25"), "2");
    EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo4")),
              (QStringList{QStringLiteral("Thursday 14 November 1996"), QStringLiteral("Tuesday 2 December 1997")}));
}

TEST_F(BirthdaysPage, ABadEntryEmptiesTheAnswersAndHidesTheListWithItsLines)
{
    const char* const Entries[] = {
        "",            // nothing typed
        "31/4/70",     // no such day
        "1/13/70",     // no such month
        "29/2/1999",   // not a leap year
        "1/12/00",     // year 0
        "1/12",        // no year
        "1 Decem 70",  // no month of that name
        "1 Dec 70 x",  // a second word stops the reading
        "1/12/70/5",   // so does a fourth number
        "1/1/70000",   // beyond the 16 bits of a typed year
        "1/1/10000",   // beyond the calendar
    };
    for (const char* Entry : Entries) {
        SCOPED_TRACE(Entry);
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit25"), "2");
        Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
        Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
        ASSERT_FALSE(Find<QPlainTextEdit>(F, "Memo4")->isHidden());
        const QStringList Shown = Lines(*Find<QPlainTextEdit>(F, "Memo4"));
        Paste(*Find<QLineEdit>(F, "Edit1"), Entry);
        ExpectNoAnswer();
        EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo4")), Shown);
        EXPECT_TRUE(Captured.Boxes.empty());
    }
}

TEST_F(BirthdaysPage, TheListShowsOneToTwoHundredYears)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    Retype(*Find<QLineEdit>(F, "Edit25"), "200");
    EXPECT_FALSE(Find<QPlainTextEdit>(F, "Memo4")->isHidden());
    const QStringList Listed = Lines(*Find<QPlainTextEdit>(F, "Memo4"));
    ASSERT_EQ(Listed.size(), 200);
    EXPECT_EQ(Listed.front(), Find<QLineEdit>(F, "Edit4")->text());
    // 3 Kislev of the 200th year, 5756 + 199.
    EXPECT_EQ(Listed.back(), TForm1::GregorianDateText(JewishToDateTime(5955, Kislev, 3)));
    // The hidden list holds the one year computed.
    for (const char* Years : {"201", "0", "abc", ""}) {
        Retype(*Find<QLineEdit>(F, "Edit25"), Years);
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo4")->isHidden()) << Years;
        EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo4")), QStringList{Find<QLineEdit>(F, "Edit4")->text()}) << Years;
    }
}

TEST_F(BirthdaysPage, TheLongestDatesFitTheirBoxes)
{
    // 29 Elul, the eve of the new year: Wednesdays in September among 200
    // years.
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit25"), "200");
    Retype(*Find<QLineEdit>(F, "Edit1"), "19/9/1990");
    const QStringList Listed = Lines(*Find<QPlainTextEdit>(F, "Memo4"));
    ASSERT_EQ(Listed.size(), 200);
    const QFontMetrics Metrics(Find<QPlainTextEdit>(F, "Memo4")->font());
    const int Room = Find<QPlainTextEdit>(F, "Memo4")->viewport()->width() - 2 * static_cast<int>(Find<QPlainTextEdit>(F, "Memo4")->document()->documentMargin());
    int Widest = 0;
    QString WidestLine;
    for (const QString& Line : Listed) {
        if (Metrics.horizontalAdvance(Line) > Widest) {
            Widest = Metrics.horizontalAdvance(Line);
            WidestLine = Line;
        }
    }
    EXPECT_TRUE(WidestLine.startsWith(QStringLiteral("Wednesday")) && WidestLine.contains(QStringLiteral("September")));
    EXPECT_LE(Widest, Room) << WidestLine.toStdString();
    const QFontMetrics EditMetrics(Find<QLineEdit>(F, "Edit4")->font());
    EXPECT_LE(EditMetrics.horizontalAdvance(WidestLine), Find<QLineEdit>(F, "Edit4")->width() - 8) << WidestLine.toStdString();
}

TEST_F(BirthdaysPage, ATargetYearThatIsNoNumberIsThisYear)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    Retype(*Find<QLineEdit>(F, "Edit3"), QString::number(DecodeDate(Today()).Year));
    const QString ThisYear = Find<QLineEdit>(F, "Edit4")->text();
    ASSERT_FALSE(ThisYear.isEmpty());
    Retype(*Find<QLineEdit>(F, "Edit3"), "abc");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), ThisYear);
}

TEST_F(BirthdaysPage, TargetsWithoutJewishNewYearDatesShowNoAnswer)
{
    // 1/12/70 is in 5731: the target 1 is 3762, the target 10015 is 13776.
    for (const char* Target : {"1", "10015"}) {
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit25"), "3");
        Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
        Retype(*Find<QLineEdit>(F, "Edit3"), Target);
        EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731"));
        EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QString()) << Target;
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo4")->isHidden()) << Target;
        EXPECT_TRUE(Captured.Boxes.empty());
    }
}

TEST_F(BirthdaysPage, AnAdarBirthFollowsTheStamAdarChoiceAtTheNextChange)
{
    // 14 Adar of the common year 5758; 2000 is in the leap year 5760.
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "2000");
    Retype(*Find<QLineEdit>(F, "Edit1"), "12/3/98");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("14 Adar 5758"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Tuesday 21 March 2000"));  // Adar II, as checked at start

    Find<QAction>(F, "Adar11")->trigger();
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Tuesday 21 March 2000")) << "a menu choice recomputes nothing";
    Retype(*Find<QLineEdit>(F, "Edit1"), "12/3/98");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 20 February 2000"));

    Find<QAction>(F, "Adar21")->trigger();
    Retype(*Find<QLineEdit>(F, "Edit1"), "12/3/98");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Tuesday 21 March 2000"));
}

TEST_F(BirthdaysPage, TheDateOrderOfTheMenuReadsTheNextEntry)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    const std::pair<const char* , const char*> Orders[] = {
        {"mmddyy1", "12/1/70"}, {"yymmdd1", "70/12/1"}, {"ddmmyy1", "1/12/70"},
        {"mmddyy1", "Dec 1 70"}, {"yymmdd1", "1970 December 1"}, {"ddmmyy1", "1dec70"},
    };
    for (const auto& [Item, Typed] : Orders) {
        Find<QAction>(F, Item)->trigger();
        Retype(*Find<QLineEdit>(F, "Edit1"), Typed);
        EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Sunday 26 November 1995")) << Typed;
    }
    Retype(*Find<QLineEdit>(F, "Edit1"), "12/1/70");
    const QString TwelfthOfJanuary = Find<QLineEdit>(F, "Edit2")->text();
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    Find<QAction>(F, "mmddyy1")->trigger();
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731")) << "a menu choice recomputes nothing";
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), TwelfthOfJanuary);
}

TEST_F(BirthdaysPage, TheMonthGridMovesToTheFirstAnswer)
{
    TForm1& F = StartOnPage();
    Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
    Retype(*Find<QLineEdit>(F, "Edit25"), "3");
    Retype(*Find<QLineEdit>(F, "Edit1"), "1/12/70");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1995, 11, 26));
    // The Calendar page follows the grid.
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QStringLiteral("1995"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QStringLiteral("5756"));
    // An invalid entry leaves the grid where it is.
    Retype(*Find<QLineEdit>(F, "Edit1"), "31/4/70");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1995, 11, 26));
}

TEST_F(BirthdaysPage, AnAnswerPastTheGridsLastYearIsShownAndTheGridStays)
{
    // A Jewish-month page could lay such a day out, but the Calendar page's
    // year boxes could not take its year.
    for (const bool ByJewishMonth : {false, true}) {
        TForm1& F = StartOnPage();
        if (ByJewishMonth) {
            Find<QAction>(F, "JewishMonth1")->trigger();
        }
        Retype(*Find<QLineEdit>(F, "Edit3"), "1995");
        Retype(*Find<QLineEdit>(F, "Edit25"), "2");
        Retype(*Find<QLineEdit>(F, "Edit1"), "31/12/70");
        const TDateTime Shown = Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate();
        const QString ShownYear = Find<QLineEdit>(F, "Edit20")->text();
        Paste(*Find<QLineEdit>(F, "Edit3"), "9999");
        EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo4")), (QStringList{QStringLiteral("Thursday 3 February 10000"),
                                                QStringLiteral("Tuesday 23 January 10001")}));
        EXPECT_EQ(Find<QLineEdit>(F, "Edit4")->text(), QStringLiteral("Thursday 3 February 10000"));
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Shown) << ByJewishMonth;
        EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), ShownYear) << ByJewishMonth;
        EXPECT_TRUE(Captured.Boxes.empty()) << ByJewishMonth;
        Close();
    }
}

}  // namespace
}  // namespace mirvane
