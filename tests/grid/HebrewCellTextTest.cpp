#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/JewishYear.h"
#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;
using TRowTexts = std::array<std::string, GridColCount>;

std::vector<TRowTexts> Rows(const TMonthGrid& Grid, std::int32_t First, std::int32_t Last)
{
    std::vector<TRowTexts> Texts;
    for (std::int32_t Row = First; Row <= Last; ++Row) {
        TRowTexts Line;
        for (std::int32_t Col = 0; Col < GridColCount; ++Col)
            Line[static_cast<std::size_t>(Col)] = Grid.CellText(Col, Row);
        Texts.push_back(Line);
    }
    return Texts;
}

// September 2002 crosses into 5763 on Saturday the 7th.
TEST(HebrewCellText, APageThatCrossesTishrei)
{
    TMonthGrid Grid(Date(2002, 9, 15));
    const std::vector<TRowTexts> English = Rows(Grid, 0, GridRowCount - 1);
    int Repaints = 0;
    Grid.OnRepaint = [&Repaints] { ++Repaints; };
    Grid.SetHebrewNames(true);
    EXPECT_EQ(Repaints, 1);
    const std::vector<TRowTexts> Expected = {
        {"", "2002", "תשס״ב/תשס״ג", ""},
        {"", "Sep", "אלול/תשרי", ""},
        {"Sunday", "1", "כ״ד", ""},
        {"Monday", "2", "כ״ה", ""},
        {"Tuesday", "3", "כ״ו", ""},
        {"Wednesday", "4", "כ״ז", ""},
        {"Thursday", "5", "כ״ח", ""},
        {"Friday", "6", "כ״ט", "ערב ראש השנה"},
        {"Saturday", "7", "א׳", "ראש השנה א׳"},
        {"Sunday", "8", "ב׳", "ראש השנה ב׳"},
        {"Monday", "9", "ג׳", "צום גדליה"},
        {"Tuesday", "10", "ד׳", ""},
        {"Wednesday", "11", "ה׳", ""},
        {"Thursday", "12", "ו׳", ""},
        {"Friday", "13", "ז׳", ""},
        {"Saturday", "14", "ח׳", "האזינו"},
        {"Sunday", "15", "ט׳", "ערב יום כיפור"},
        {"Monday", "16", "י׳", "יום כיפור"},
    };
    EXPECT_EQ(Rows(Grid, 0, 17), Expected);
    EXPECT_EQ(Grid.CellText(JewishColumn, FirstDayRow + 28), "כ״ג");
    EXPECT_EQ(Grid.CellText(DayTextColumn, FirstDayRow + 28), "שמחת תורה");
    EXPECT_EQ(Grid.CellText(JewishColumn, FirstDayRow + 30), "");

    Grid.SetHebrewNames(false);
    EXPECT_EQ(Rows(Grid, 0, GridRowCount - 1), English);
}

// September 2239 crosses into 6000, which is written with its thousands.
TEST(HebrewCellText, YearHeadingOutsideTheFiveThousands)
{
    TMonthGrid Grid(Date(2239, 9, 15));
    Grid.SetHebrewNames(true);
    EXPECT_EQ(Grid.CellText(JewishColumn, 0), "תתקצ״ט/ו׳ אלפים");
}

TEST(HebrewCellText, LeapYearAdarsAndJoinedPortions)
{
    TMonthGrid Grid(Date(2000, 3, 15));
    Grid.SetHebrewNames(true);
    EXPECT_EQ(Grid.CellText(JewishColumn, 0), "תש״ס");
    EXPECT_EQ(Grid.CellText(JewishColumn, 1), "אדר א׳/אדר ב׳");

    TMonthGrid Common(Date(2026, 3, 14), true);
    Common.SetHebrewNames(true);
    EXPECT_EQ(Common.CellText(JewishColumn, 1), "אדר");
    // 25 Adar 5786, Saturday 14 March 2026.
    EXPECT_EQ(Common.CellText(DayTextColumn, FirstDayRow + 24), "ויקהל-פקודי");
}

TEST(HebrewCellText, TheDaySentenceUsesTheHebrewTexts)
{
    TMonthGrid Grid(Date(2026, 12, 6));
    Grid.SetHebrewNames(true);
    EXPECT_EQ(Grid.SelectedDayDescription(), "Sunday 6 December 2026, כ״ו כסלו תשפ״ז, חנוכה ב׳");
    Grid.SetDate(Date(2026, 12, 8));
    EXPECT_EQ(Grid.SelectedDayDescription(), "Tuesday 8 December 2026, כ״ח כסלו תשפ״ז, חנוכה ד׳");
    Grid.SetDate(Date(2026, 12, 1));
    EXPECT_EQ(Grid.SelectedDayDescription(), "Tuesday 1 December 2026, כ״א כסלו תשפ״ז");
}

}  // namespace
}  // namespace mirvane
