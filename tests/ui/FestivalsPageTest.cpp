#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

class FestivalsPage : public FormTest {
protected:
    TForm1& StartOnPage() { return StartShowing(TForm1::FestivalsPage); }
    TForm1& Ask(const char* Name, const char* Year, const char* Years)
    {
        TForm1& F = StartOnPage();
        Retype(*Find<QLineEdit>(F, "Edit13"), Year);
        Retype(*Find<QLineEdit>(F, "Edit27"), Years);
        Retype(*Find<QComboBox>(F, "ComboBox2"), Name);
        return F;
    }
};

struct TFestivalCase {
    const char* Name;
    const char* Year;
    const char* Expected;
};

TEST_F(FestivalsPage, FestivalsFallInTheSeasonOfTheChosenYear)
{
    const TFestivalCase Cases[] = {
        // Tishrei to Tevet: the autumn of the chosen year, or the January after.
        {"Rosh Hashana day 1", "1995", "Monday 25 September 1995"},
        {"YomKippur day", "1995", "Wednesday 4 October 1995"},
        {"Asara B'Tevet", "2024", "Friday 10 January 2025"},
        // Shvat to Elul: its spring and summer.
        {"Pessach day 1", "1995", "Saturday 15 April 1995"},
        {"Purim", "1995", "Thursday 16 March 1995"},
        {"Erev Rosh Hashana", "1995", "Sunday 24 September 1995"},
    };
    for (const auto& Case : Cases) {
        TForm1& F = Ask(Case.Name, Case.Year, "");
        EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QString::fromLatin1(Case.Expected)) << Case.Name;
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden());
    }
}

// Date as @hebcal/core gives it (tests/luach/fixtures).
TEST_F(FestivalsPage, ListsTheLuachsDaysAfterTheFestivalsAndAnswersThemAlike)
{
    TForm1& F = Ask("Yom HaAtzma'ut", "2027", "");
    QComboBox& Names = *Find<QComboBox>(F, "ComboBox2");
    EXPECT_GT(Names.findText(QStringLiteral("Yom HaAtzma'ut")), Names.findText(QStringLiteral("Purim")));
    EXPECT_GE(Names.findText(QStringLiteral("Rosh Chodesh Shvat")), 0);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Wednesday 12 May 2027"));
}

TEST_F(FestivalsPage, PurimOverFiveYears)
{
    TForm1& F = Ask("Purim", "1995", "5");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995"));
    EXPECT_FALSE(Find<QPlainTextEdit>(F, "Memo5")->isHidden());
    EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo5")),
              (QStringList{QStringLiteral("Thursday 16 March 1995"), QStringLiteral("Tuesday 5 March 1996"),
                           QStringLiteral("Sunday 23 March 1997"), QStringLiteral("Thursday 12 March 1998"),
                           QStringLiteral("Tuesday 2 March 1999")}));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(FestivalsPage, PurimKatanFallsInLeapYearsOnly)
{
    // 1996 is in the common year 5756: nothing, even with a list asked for.
    TForm1& Common = Ask("Purim Katan", "1996", "19");
    EXPECT_EQ(Find<QLineEdit>(Common, "Edit15")->text(), QString());
    EXPECT_TRUE(Find<QPlainTextEdit>(Common, "Memo5")->isHidden());

    // 1995 is in the leap year 5755: one line for each of the 7 leap years
    // among 19.
    TForm1& Leap = Ask("Purim Katan", "1995", "19");
    EXPECT_TRUE(Find<QLineEdit>(Leap, "Edit15")->text().endsWith(QStringLiteral("February 1995")) ||
                Find<QLineEdit>(Leap, "Edit15")->text().endsWith(QStringLiteral("March 1995")))
        << Find<QLineEdit>(Leap, "Edit15")->text().toStdString();
    const QStringList Listed = Lines(*Find<QPlainTextEdit>(Leap, "Memo5"));
    EXPECT_EQ(Listed.size(), 7);
    EXPECT_EQ(Listed.value(0), Find<QLineEdit>(Leap, "Edit15")->text());
}

TEST_F(FestivalsPage, NamesMustMatchExactlyAndTheListCanBePicked)
{
    TForm1& F = Ask("purim", "1995", "5");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QString());
    EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden());
    Pick(*Find<QComboBox>(F, "ComboBox2"), "Purim");
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->currentText(), QStringLiteral("Purim"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995"));
    EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo5")).size(), 5);
    for (const char* Years : {"201", "0", "x"}) {
        Retype(*Find<QLineEdit>(F, "Edit27"), Years);
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden()) << Years;
        EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 16 March 1995")) << Years;
    }
}

TEST_F(FestivalsPage, IsraelHasNoSimchatTorah)
{
    TForm1& F = Ask("Simchat Torah", "1995", "");
    EXPECT_NE(Find<QLineEdit>(F, "Edit15")->text(), QString());

    Find<QAction>(F, "Israel1")->trigger();
    EXPECT_EQ(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
    Retype(*Find<QComboBox>(F, "ComboBox2"), "Simchat Torah");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QString());
    EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden());
    // Shmini Azteret is the same day in Israel.
    Retype(*Find<QComboBox>(F, "ComboBox2"), "Shmini Azteret");
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Monday 16 October 1995"));

    Find<QAction>(F, "Diaspora1")->trigger();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->Model().Rules(), TRules::Diaspora);
    EXPECT_TRUE(Find<QAction>(F, "Diaspora1")->isChecked());
    EXPECT_NE(Find<QComboBox>(F, "ComboBox2")->findText(QStringLiteral("Simchat Torah")), -1);
}

TEST_F(FestivalsPage, TheYearStepsAndTheMonthGridFollowsTheFirstAnswer)
{
    TForm1& F = Ask("Pessach day 1", "1995", "3");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1995, 4, 15));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QStringLiteral("1995"));
    QTest::keyClick(Find<QLineEdit>(F, "Edit13"), Qt::Key_Up);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit13")->text(), QStringLiteral("1996"));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QStringLiteral("Thursday 4 April 1996"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1996, 4, 4));
    // No answer leaves the grid where it is, and so does one past the last
    // year the grid lays out.
    Retype(*Find<QComboBox>(F, "ComboBox2"), "Pessach day 9");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1996, 4, 4));
    Retype(*Find<QComboBox>(F, "ComboBox2"), "Pessach day 1");
    Paste(*Find<QLineEdit>(F, "Edit13"), "10001");
    EXPECT_TRUE(Find<QLineEdit>(F, "Edit15")->text().endsWith(QStringLiteral(" 10001"))) << Find<QLineEdit>(F, "Edit15")->text().toStdString();
    EXPECT_EQ(Lines(*Find<QPlainTextEdit>(F, "Memo5")).size(), 3);
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1996, 4, 4));
    // The same on a grid of Jewish months, whose year boxes would otherwise
    // be handed the year 10000.
    Find<QAction>(F, "JewishMonth1")->trigger();
    ASSERT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth());
    const QString YearBoxes = Find<QLineEdit>(F, "Edit20")->text() + u'/' + Find<QLineEdit>(F, "Edit21")->text();
    Paste(*Find<QLineEdit>(F, "Edit13"), "10002");
    EXPECT_TRUE(Find<QLineEdit>(F, "Edit15")->text().endsWith(QStringLiteral(" 10002"))) << Find<QLineEdit>(F, "Edit15")->text().toStdString();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1996, 4, 4));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text() + u'/' + Find<QLineEdit>(F, "Edit21")->text(), YearBoxes);
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(FestivalsPage, YearsWithoutJewishNewYearDatesShowNothing)
{
    // 1 + 3760 and 2 + 3760 lie before the first new-year date; 10016 + 3760
    // beyond the last.
    for (const char* Year : {"1", "2", "10016", "-5"}) {
        TForm1& F = Ask("Purim", Year, "3");
        EXPECT_EQ(Find<QLineEdit>(F, "Edit15")->text(), QString()) << Year;
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden()) << Year;
        EXPECT_TRUE(Captured.Boxes.empty()) << Year;
    }
}

}  // namespace
}  // namespace mirvane
