// Extreme texts in every box of the window: the 32-bit limits and beyond,
// signs and blanks, ten thousand characters, digits of other scripts. Each
// year box does what its page promises, no other box ever shows an error,
// and nothing hangs.

#include <string>
#include <vector>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "grid/MirvaneGrid.h"
#include "tests/hardening/WindowFixture.h"
#include "widgets/MemoLines.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

const QString TenThousandNines(10000, u'9');
const QString TenThousandLetters(10000, u'x');

// Texts that are no year for any box: no number, or none a 32-bit integer
// holds, or a number in digits of another script.
const std::vector<QString> NoNumbers = {
    QString(), QStringLiteral(" "), QStringLiteral("-"), QStringLiteral("+"), QStringLiteral("+-5"),
    QStringLiteral("5 758"), QStringLiteral("5758x"), QStringLiteral("2147483648"), QStringLiteral("-2147483649"),
    QStringLiteral("99999999999999999999"), TenThousandNines, TenThousandLetters,
    QStringLiteral("\u0665\u0667\u0665\u0668"), QStringLiteral("\uff15\uff17\uff15\uff18"),
};

// Writes Text into Box at once, as a paste over the whole text does. Typed
// key by key, every shorter text on the way would count too.
void Enter(QLineEdit& Box, const QString& Text)
{
    Box.selectAll();
    Box.insert(Text);
}

void Type(QLineEdit& Box, const QString& Text)
{
    Box.selectAll();
    QTest::keyClicks(&Box, Text);
}

enum class TOutcome { Shows, Ignored, Refused };

struct TYearCase {
    QString Text;
    TOutcome Outcome;
    std::int32_t Year = 0;  // what Shows shows
};

std::vector<TYearCase> WithNoNumbers(std::vector<TYearCase> Cases)
{
    for (const QString& Text : NoNumbers)
        Cases.push_back({Text, TOutcome::Ignored});
    return Cases;
}

const QString EncodeError = QStringLiteral("Invalid argument to date encode.");

class ExtremeInput : public WindowTest {
protected:
    void ExpectOneRefusal(const std::string& Title)
    {
        const auto Boxes = NewBoxes();
        ASSERT_EQ(Boxes.size(), 1u) << Title;
        EXPECT_EQ(Boxes.front(), (BoxCapture::TBox{TBoxKind::Error, EncodeError})) << Title;
    }
    void ExpectNoBox(const std::string& Title) { EXPECT_TRUE(NewBoxes().empty()) << Title; }
};

TEST_F(ExtremeInput, YearDetailsShowsTypedYearsAndRefusesOnlyThoseBeyondTheCalendar)
{
    TForm1& F = Start();
    const std::vector<TYearCase> Cases = WithNoNumbers({
        {QStringLiteral("5758"), TOutcome::Shows, 5758},
        {QStringLiteral(" 5758 "), TOutcome::Shows, 5758},
        {QStringLiteral("+5758"), TOutcome::Shows, 5758},
        {QStringLiteral("1"), TOutcome::Shows, 1},
        {QStringLiteral("13775"), TOutcome::Shows, 13775},
        {QStringLiteral("0"), TOutcome::Ignored},
        {QStringLiteral("-5758"), TOutcome::Ignored},
        {QStringLiteral("-2147483648"), TOutcome::Ignored},
        {QStringLiteral("13776"), TOutcome::Refused},
        {QStringLiteral("99999"), TOutcome::Refused},
        {QStringLiteral("2147483647"), TOutcome::Refused},
    });
    for (const TYearCase& Case : Cases) {
        Find<QLineEdit>(F, "Edit23")->setText(QStringLiteral("5787"));
        NewBoxes();
        const std::string Title = Case.Text.left(20).toStdString();
        Enter(*Find<QLineEdit>(F, "Edit23"), Case.Text);
        const std::int32_t Shown = Case.Outcome == TOutcome::Shows ? Case.Year : 5787;
        EXPECT_EQ(Find<QLineEdit>(F, "Edit5")->text(), QString::number((Shown - 1) / 19 + 1)) << Title;
        EXPECT_EQ(Find<QLineEdit>(F, "Edit6")->text(), QString::number((Shown - 1) % 19 + 1)) << Title;
        EXPECT_EQ(YearDetailsOf(F).Year(), Shown) << Title;
        if (Case.Outcome == TOutcome::Refused)
            ExpectOneRefusal(Title);
        else
            ExpectNoBox(Title);
    }
    // Typed key by key, the box fails at the key that takes the year beyond
    // the calendar, and not before.
    Find<QLineEdit>(F, "Edit23")->setText(QStringLiteral("5787"));
    NewBoxes();
    Type(*Find<QLineEdit>(F, "Edit23"), QStringLiteral("99999"));
    ExpectOneRefusal("typed 99999");
    EXPECT_EQ(YearDetailsOf(F).Year(), 9999);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("99999"));

    // The spinner steps from whatever the box holds, within its range.
    Find<QLineEdit>(F, "Edit23")->setText(QStringLiteral("2147483647"));
    QTest::keyClick(Find<QLineEdit>(F, "Edit23"), Qt::Key_Up);
    EXPECT_EQ(Find<QLineEdit>(F, "Edit23")->text(), QStringLiteral("7000"));
    Find<QLineEdit>(F, "Edit23")->setText(TenThousandNines);
    QTest::keyClick(Find<QLineEdit>(F, "Edit23"), Qt::Key_Down);
    EXPECT_EQ(YearDetailsOf(F).Year(), 6999);
}

class CalendarYears : public ExtremeInput {
protected:
    TForm1& StartOn15March2000(bool JewishColumn)
    {
        TForm1& F = Start();
        Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2000, 3, 15));
        if (JewishColumn)
            Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetSelectedCell(2, Find<TMirvaneGrid>(F, "MirvaneGrid1")->Row());
        NewBoxes();
        return F;
    }

    void Check(bool JewishColumn, const char* Box, const std::vector<TYearCase>& Cases)
    {
        for (const TYearCase& Case : Cases) {
            TForm1& F = StartOn15March2000(JewishColumn);
            const std::string Title = Case.Text.left(20).toStdString();
            Enter(*Find<QLineEdit>(F, Box), Case.Text);
            const TJewishDate Jewish = DateTimeToJewish(EncodeDate(2000, 3, 15));
            const TDateTime Expected =
                Case.Outcome == TOutcome::Shows
                    ? (JewishColumn ? JewishToDateTime(Case.Year, Jewish.Month, Jewish.Day)
                                    : EncodeDate(Case.Year, 3, 15))
                    : EncodeDate(2000, 3, 15);
            EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Expected) << Title;
            if (Case.Outcome == TOutcome::Refused)
                ExpectOneRefusal(Title);
            else
                ExpectNoBox(Title);
        }
    }
};

// A typed Gregorian year moves the grid when it is above 10; the calendar
// refuses years beyond 9999.
TEST_F(CalendarYears, GregorianYearBox)
{
    Check(false, "Edit20",
          WithNoNumbers({
              {QStringLiteral("2001"), TOutcome::Shows, 2001},
              {QStringLiteral(" 2001 "), TOutcome::Shows, 2001},
              {QStringLiteral("+2001"), TOutcome::Shows, 2001},
              {QStringLiteral("11"), TOutcome::Shows, 11},
              {QStringLiteral("9999"), TOutcome::Shows, 9999},
              {QStringLiteral("10"), TOutcome::Ignored},
              {QStringLiteral("-2001"), TOutcome::Ignored},
              {QStringLiteral("-2147483648"), TOutcome::Ignored},
              {QStringLiteral("10000"), TOutcome::Refused},
              {QStringLiteral("2147483647"), TOutcome::Refused},
          }));
}

// In the Jewish column the same box moves the Jewish year by the difference.
TEST_F(CalendarYears, GregorianYearBoxInTheJewishColumn)
{
    Check(true, "Edit20",
          WithNoNumbers({
              {QStringLiteral("2008"), TOutcome::Shows, 5768},
              {QStringLiteral("2147483647"), TOutcome::Refused},
              {QStringLiteral("10"), TOutcome::Ignored},
          }));
}

// A typed Jewish year moves the grid when it is above 3762; the calendar
// ends with 13775.
TEST_F(CalendarYears, JewishYearBox)
{
    Check(true, "Edit21",
          WithNoNumbers({
              {QStringLiteral("5768"), TOutcome::Shows, 5768},
              {QStringLiteral(" 5768"), TOutcome::Shows, 5768},
              {QStringLiteral("3762"), TOutcome::Ignored},
              {QStringLiteral("-5768"), TOutcome::Ignored},
              {QStringLiteral("13776"), TOutcome::Refused},
              {QStringLiteral("2147483647"), TOutcome::Refused},
          }));
}

// In the Gregorian column it moves the Gregorian year by the difference.
TEST_F(CalendarYears, TypedKeyByKeyEachTextOnTheWayCounts)
{
    TForm1& F = StartOn15March2000(true);
    Type(*Find<QLineEdit>(F, "Edit21"), QStringLiteral("13776"));
    ExpectOneRefusal("typed 13776");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2000, 3, 15));

    TForm1& G = StartOn15March2000(false);
    Type(*Find<QLineEdit>(G, "Edit20"), QStringLiteral("10000"));
    ExpectOneRefusal("typed 10000");
    EXPECT_EQ(Find<TMirvaneGrid>(G, "MirvaneGrid1")->CurrentDate(), EncodeDate(1000, 3, 15));
}

TEST_F(CalendarYears, JewishYearBoxInTheGregorianColumn)
{
    Check(false, "Edit21",
          WithNoNumbers({
              {QStringLiteral("5761"), TOutcome::Shows, 2001},
              {QStringLiteral("3762"), TOutcome::Ignored},
              {QStringLiteral("13775"), TOutcome::Refused},
              {QStringLiteral("2147483647"), TOutcome::Refused},
          }));
}

// The pages that list dates never show an error: what they cannot answer
// leaves their outputs empty.
TEST_F(ExtremeInput, BirthdaysPageBoxes)
{
    TForm1& F = Start();
    Find<QAction>(F, "ddmmyy1")->trigger();
    Find<QLineEdit>(F, "Edit1")->setText(QStringLiteral("1/12/70"));
    Find<QLineEdit>(F, "Edit25")->clear();
    for (const QString& Text : NoNumbers) {
        const std::string Title = Text.left(20).toStdString();
        Find<QLineEdit>(F, "Edit3")->setText(QStringLiteral("1995"));
        Enter(*Find<QLineEdit>(F, "Edit3"), Text);
        // A year that is no number is this year.
        EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731")) << Title;
        EXPECT_FALSE(Find<QLineEdit>(F, "Edit4")->text().isEmpty()) << Title;
        Enter(*Find<QLineEdit>(F, "Edit25"), Text);
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo4")->isHidden()) << Title;
        Find<QLineEdit>(F, "Edit25")->clear();
        Enter(*Find<QLineEdit>(F, "Edit1"), Text);
        EXPECT_TRUE(Find<QLineEdit>(F, "Edit2")->text().isEmpty() && Find<QLineEdit>(F, "Edit4")->text().isEmpty()) << Title;
        Find<QLineEdit>(F, "Edit1")->setText(QStringLiteral("1/12/70"));
    }
    for (const char* Year : {"2147483647", "-2147483648", "13775", "-9999", "0"}) {
        Find<QLineEdit>(F, "Edit3")->setText(QString::fromLatin1(Year));
        EXPECT_EQ(Find<QLineEdit>(F, "Edit2")->text(), QStringLiteral("3 Kislev 5731")) << Year;
        EXPECT_TRUE(Find<QLineEdit>(F, "Edit4")->text().isEmpty()) << Year;
    }
    for (const auto& [Count, Lines] : std::vector<std::pair<const char*, int>>{
             {"200", 200}, {" 3 ", 3}, {"+2", 2}, {"201", 0}, {"2147483647", 0}, {"-2147483648", 0}, {"0", 0}}) {
        Find<QLineEdit>(F, "Edit3")->setText(QStringLiteral("1995"));
        Find<QLineEdit>(F, "Edit25")->setText(QString::fromLatin1(Count));
        EXPECT_EQ(Find<QPlainTextEdit>(F, "Memo4")->isHidden(), Lines == 0) << Count;
        if (Lines > 0) {
            EXPECT_EQ(MemoLines(*Find<QPlainTextEdit>(F, "Memo4")).size(), Lines) << Count;
        }
    }
    ExpectNoBox("Birthdays/Yahrtzeits");
}

TEST_F(ExtremeInput, FestivalsPageBoxes)
{
    TForm1& F = Start();
    Find<QComboBox>(F, "ComboBox2")->setEditText(QStringLiteral("Purim"));
    for (const QString& Text : NoNumbers) {
        const std::string Title = Text.left(20).toStdString();
        Enter(*Find<QLineEdit>(F, "Edit13"), Text);
        EXPECT_FALSE(Find<QLineEdit>(F, "Edit15")->text().isEmpty()) << Title;  // this year's Purim
        Enter(*Find<QLineEdit>(F, "Edit27"), Text);
        EXPECT_TRUE(Find<QPlainTextEdit>(F, "Memo5")->isHidden()) << Title;
        Find<QLineEdit>(F, "Edit27")->clear();
        Enter(*Find<QComboBox>(F, "ComboBox2")->lineEdit(), Text);
        EXPECT_TRUE(Find<QLineEdit>(F, "Edit15")->text().isEmpty()) << Title;
        Find<QComboBox>(F, "ComboBox2")->setEditText(QStringLiteral("Purim"));
    }
    for (const char* Year : {"2147483647", "-2147483648", "10016", "-9999", "0"}) {
        Find<QLineEdit>(F, "Edit13")->setText(QString::fromLatin1(Year));
        EXPECT_TRUE(Find<QLineEdit>(F, "Edit15")->text().isEmpty()) << Year;
    }
    Find<QLineEdit>(F, "Edit13")->setText(QStringLiteral("1995"));
    for (const auto& [Count, Lines] :
         std::vector<std::pair<const char*, int>>{{"200", 200}, {" 5 ", 5}, {"201", 0}, {"2147483647", 0}}) {
        Find<QLineEdit>(F, "Edit27")->setText(QString::fromLatin1(Count));
        EXPECT_EQ(Find<QPlainTextEdit>(F, "Memo5")->isHidden(), Lines == 0) << Count;
        if (Lines > 0) {
            EXPECT_EQ(MemoLines(*Find<QPlainTextEdit>(F, "Memo5")).size(), Lines) << Count;
        }
    }
    ExpectNoBox("Festivals");
}

// The boxes of the page without a tab take any text and do nothing with it.
TEST_F(ExtremeInput, DatesToRememberBoxes)
{
    TForm1& F = Start();
    Find<QTabWidget>(F, "PageControl1")->setCurrentIndex(TForm1::RememberPage);
    for (QLineEdit* Box : {Find<QLineEdit>(F, "EditOccasion"), Find<QLineEdit>(F, "EditNewDate"), Find<QLineEdit>(F, "EditNewJDate"), Find<QLineEdit>(F, "EditWarning")}) {
        ASSERT_NE(Box, nullptr);
        for (const QString& Text : NoNumbers)
            Enter(*Box, Text);
    }
    EXPECT_LE(Find<QLineEdit>(F, "EditOccasion")->text().size(), 100);
    ExpectNoBox("Dates to Remember");
}

}  // namespace
}  // namespace mirvane
