#include <algorithm>
#include <functional>
#include <vector>

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "grid/GridShape.h"
#include "grid/MirvaneGrid.h"
#include "tests/ui/FormFixture.h"
#include "tests/ui/FindControl.h"

namespace mirvane {
namespace {

class CalendarPage : public FormTest {
protected:
    TForm1& StartOn(TDateTime Date)
    {
        TForm1& F = Start();
        Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(Date);
        // Every report of the grid, with the Gregorian year it then shows.
        Forward = Find<TMirvaneGrid>(F, "MirvaneGrid1")->OnChange;
        Find<TMirvaneGrid>(F, "MirvaneGrid1")->OnChange = [this](TMirvaneGrid& Grid) {
            Reports.push_back(Grid.CurrentGregorianDate().Year);
            Forward(Grid);
        };
        return F;
    }
    void SelectJewishColumn() const { Find<TMirvaneGrid>(*Form, "MirvaneGrid1")->SetSelectedCell(2, Find<TMirvaneGrid>(*Form, "MirvaneGrid1")->Row()); }
    QString Years() const { return Find<QLineEdit>(*Form, "Edit20")->text() + u'/' + Find<QLineEdit>(*Form, "Edit21")->text(); }
    std::vector<QString> ErrorTexts() const
    {
        std::vector<QString> Texts;
        for (const auto& [Kind, Text] : Captured.Boxes) {
            EXPECT_EQ(Kind, TBoxKind::Error);
            Texts.push_back(Text);
        }
        return Texts;
    }

    std::function<void(TMirvaneGrid&)> Forward;
    std::vector<std::int32_t> Reports;
};

TEST_F(CalendarPage, BoxesAreEmptyAtStartAndFollowTheGridFromItsFirstChange)
{
    TForm1& F = Start();
    EXPECT_EQ(Years(), QStringLiteral("/"));
    Find<TMirvaneGrid>(F, "MirvaneGrid1")->SetDate(EncodeDate(2000, 3, 15));
    EXPECT_EQ(Years(), QStringLiteral("2000/5760"));
}

struct TStepCase {
    const char* Button;
    TDateTime Expected;
};

TEST_F(CalendarPage, ButtonsStepTheGridAndTheBoxesFollow)
{
    const TStepCase Cases[] = {
        {"Button1", EncodeDate(2000, 4, 15)},
        {"Button2", EncodeDate(2000, 2, 15)},
        {"Button3", EncodeDate(2001, 3, 15)},
        {"Button5", EncodeDate(1999, 3, 15)},
        {"Button4", Today()},
    };
    for (const auto& Case : Cases) {
        TForm1& F = StartOn(EncodeDate(2000, 3, 15));
        Find<QPushButton>(F, Case.Button)->click();
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Case.Expected);
        EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QString::number(DecodeDate(Case.Expected).Year));
        EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QString::number(DateTimeToJewish(Case.Expected).Year));
    }
}

TEST_F(CalendarPage, TheNestingOfGridAndBoxesEnds)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    Reports.clear();
    Find<QPushButton>(F, "Button3")->click();
    // The step, then once for each box whose text changed, then nothing.
    EXPECT_EQ(Reports, (std::vector<std::int32_t>{2001, 2001, 2001}));
    Reports.clear();
    Find<QPushButton>(F, "Button1")->click();
    // Same years: neither box changes, so the step reports once.
    EXPECT_EQ(Reports, (std::vector<std::int32_t>{2001}));
}

TEST_F(CalendarPage, ARefusedStepShowsTheErrorAndChangesNothing)
{
    TForm1& F = StartOn(EncodeDate(2000, 1, 31));
    Find<QPushButton>(F, "Button1")->click();
    EXPECT_EQ(ErrorTexts(), (std::vector<QString>{QStringLiteral("Invalid argument to date encode.")}));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2000, 1, 31));
    EXPECT_EQ(Years(), QStringLiteral("2000/5760"));
}

TEST_F(CalendarPage, NextYearFromAdar2IntoACommonYearIsRefused)
{
    // 10 Adar II 5760, a leap year; 5761 is common.
    TForm1& F = StartOn(JewishToDateTime(5760, Adar2, 10));
    SelectJewishColumn();
    ASSERT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->JewishSelected());
    const TDateTime Before = Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate();
    const QString YearsBefore = Years();
    Find<QPushButton>(F, "Button3")->click();
    EXPECT_EQ(ErrorTexts(), (std::vector<QString>{QStringLiteral("Invalid Jewish Month.")}));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Before);
    EXPECT_EQ(Years(), YearsBefore);
}

TEST_F(CalendarPage, TypingAGregorianYearPassesThroughItsPrefixes)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    Reports.clear();
    Retype(*Find<QLineEdit>(F, "Edit20"), "2001");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2001, 3, 15));
    EXPECT_EQ(Years(), QStringLiteral("2001/5761"));
    EXPECT_NE(std::find(Reports.begin(), Reports.end(), 20), Reports.end());
    EXPECT_NE(std::find(Reports.begin(), Reports.end(), 200), Reports.end());
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(CalendarPage, TypingAGregorianYearInTheJewishColumnMovesTheJewishYear)
{
    // 10 Iyar 5760, a month every year has.
    TForm1& F = StartOn(EncodeDate(2000, 5, 15));
    SelectJewishColumn();
    const TJewishDate Before = DateTimeToJewish(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate());
    Retype(*Find<QLineEdit>(F, "Edit20"), "2001");
    const TJewishDate After = DateTimeToJewish(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate());
    EXPECT_EQ(After, (TJewishDate{Before.Year + 1, Before.Month, Before.Day}));
    EXPECT_EQ(Years(), QString::number(DecodeDate(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate()).Year) + QStringLiteral("/5761"));
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->JewishSelected());
}

TEST_F(CalendarPage, TypingAJewishYearActsOnItsLastDigitInEitherColumn)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    Retype(*Find<QLineEdit>(F, "Edit21"), "5762");
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2002, 3, 15));
    EXPECT_EQ(Years(), QStringLiteral("2002/5762"));

    SelectJewishColumn();
    const TJewishDate Before = DateTimeToJewish(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate());
    Retype(*Find<QLineEdit>(F, "Edit21"), "5765");
    EXPECT_EQ(DateTimeToJewish(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate()), (TJewishDate{5765, Before.Month, Before.Day}));
    EXPECT_EQ(Find<QLineEdit>(F, "Edit21")->text(), QStringLiteral("5765"));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(CalendarPage, TypedYearsThatGiveNoDateRaiseTheBoxForEachPrefix)
{
    TForm1& F = StartOn(EncodeDate(2000, 2, 29));
    Retype(*Find<QLineEdit>(F, "Edit20"), "1996");
    EXPECT_EQ(ErrorTexts(), (std::vector<QString>(2, QStringLiteral("Invalid argument to date encode."))));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(1996, 2, 29));
}

TEST_F(CalendarPage, TextThatIsNoYearIsIgnoredAndKept)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    for (const char* Text : {"abc", "", "10", "-2001", " 7 ", "99999999999", "1e3"}) {
        Find<QLineEdit>(F, "Edit20")->setText(QString::fromLatin1(Text));
        Find<QLineEdit>(F, "Edit21")->setText(QString::fromLatin1(Text));
        EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2000, 3, 15)) << Text;
        EXPECT_EQ(Find<QLineEdit>(F, "Edit20")->text(), QString::fromLatin1(Text));
    }
    Find<QLineEdit>(F, "Edit21")->setText(QStringLiteral("3762"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), EncodeDate(2000, 3, 15));
    EXPECT_TRUE(Captured.Boxes.empty());
}

TEST_F(CalendarPage, HugeYearsAreRefusedWithoutOverflow)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    Find<QLineEdit>(F, "Edit20")->setText(QStringLiteral("2147483647"));
    Find<QLineEdit>(F, "Edit21")->setText(QStringLiteral("2147483647"));
    SelectJewishColumn();
    const TDateTime Before = Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate();
    Find<QLineEdit>(F, "Edit20")->setText(QStringLiteral("2147483646"));
    Find<QLineEdit>(F, "Edit21")->setText(QStringLiteral("2147483646"));
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Before);
    EXPECT_EQ(Captured.Boxes.size(), 4U);
}

TEST_F(CalendarPage, TodayInTheJewishColumnKeepsTheColumnAndThePageKind)
{
    TForm1& F = StartOn(EncodeDate(2000, 3, 15));
    Find<QAction>(F, "JewishMonth1")->trigger();
    SelectJewishColumn();
    Find<QPushButton>(F, "Button4")->click();
    EXPECT_EQ(Find<TMirvaneGrid>(F, "MirvaneGrid1")->CurrentDate(), Today());
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->JewishSelected());
    EXPECT_TRUE(Find<TMirvaneGrid>(F, "MirvaneGrid1")->ByJewishMonth());
}

// Options > Show on the Calendar: a tick shows or hides its category in the
// grid at once, and the choice is kept in the group "Display".
TEST_F(CalendarPage, AShowTickShowsAndHidesItsCategoryAndTheChoiceIsStored)
{
    TForm1& F = StartOn(EncodeDate(2027, 1, 9));
    const TMirvaneGrid& Grid = *Find<TMirvaneGrid>(F, "MirvaneGrid1");
    const auto SelectedDayText = [&Grid] { return Grid.CellText(DayTextColumn, Grid.Model().SelectedRow()); };
    QAction& Tick = *Find<QAction>(F, "ShowRoshChodesh1");
    EXPECT_TRUE(SelectedDayText().contains(QStringLiteral("Rosh Chodesh Shvat"))) << SelectedDayText().toStdString();
    Tick.trigger();
    EXPECT_FALSE(Tick.isChecked());
    EXPECT_FALSE(SelectedDayText().contains(QStringLiteral("Rosh Chodesh")));
    Tick.trigger();
    EXPECT_TRUE(SelectedDayText().contains(QStringLiteral("Rosh Chodesh Shvat")));
    Tick.trigger();
    Close();
    EXPECT_EQ(Store.Stored(QStringLiteral("Display")).at("Show"),
              QStringLiteral("festivals,omer,special-shabbat,mevarchim,modern,minor"));
    EXPECT_EQ(Store.Stored().count("Show"), 0U);
}

}  // namespace
}  // namespace mirvane
