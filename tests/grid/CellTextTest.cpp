#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;
using TRowTexts = std::array<std::string, GridColCount>;

TRowTexts RowOf(TMonthGrid& Grid, std::int32_t Row)
{
    TRowTexts Texts;
    for (std::int32_t Col = 0; Col < GridColCount; ++Col)
        Texts[static_cast<std::size_t>(Col)] = Grid.CellText(Col, Row);
    return Texts;
}

// September 2002: 24 Elul 5762 on Sunday the 1st, 1 Tishrei 5763 on Saturday
// the 7th, Simchat Torah on Sunday the 29th.
std::vector<TRowTexts> September2002(bool InDiaspora)
{
    return {
        {"", "2002", "5762/5763", ""},
        {"", "Sep", "Elul/Tishrei", ""},
        {"Sunday", "1", "24", ""},
        {"Monday", "2", "25", ""},
        {"Tuesday", "3", "26", ""},
        {"Wednesday", "4", "27", ""},
        {"Thursday", "5", "28", ""},
        {"Friday", "6", "29", "Erev Rosh Hashana"},
        {"Saturday", "7", "1", "Rosh Hashana day 1  "},
        {"Sunday", "8", "2", "Rosh Hashana day 2"},
        {"Monday", "9", "3", "Tzom Gedalia"},
        {"Tuesday", "10", "4", ""},
        {"Wednesday", "11", "5", ""},
        {"Thursday", "12", "6", ""},
        {"Friday", "13", "7", ""},
        {"Saturday", "14", "8", " Haazinu "},
        {"Sunday", "15", "9", "Erev YomKippur"},
        {"Monday", "16", "10", "YomKippur day"},
        {"Tuesday", "17", "11", ""},
        {"Wednesday", "18", "12", ""},
        {"Thursday", "19", "13", ""},
        {"Friday", "20", "14", "Erev Succot"},
        {"Saturday", "21", "15", "Succot day 1  "},
        {"Sunday", "22", "16", "Succot day 2"},
        {"Monday", "23", "17", "Succot day 3"},
        {"Tuesday", "24", "18", "Succot day 4"},
        {"Wednesday", "25", "19", "Succot day 5"},
        {"Thursday", "26", "20", "Succot day 6"},
        {"Friday", "27", "21", "Hoshana Rabba"},
        {"Saturday", "28", "22", "Shmini Azteret  "},
        {"Sunday", "29", "23", InDiaspora ? "Simchat Torah" : ""},
        {"Monday", "30", "24", ""},
        {"", "", "", ""},
    };
}

TEST(CellTexts, EveryRowOfAPageThatCrossesTishreiInBothSettings)
{
    TMonthGrid Grid(Date(2002, 9, 10));
    for (const bool InDiaspora : {true, false, true}) {
        Grid.ChangeDiaspora(InDiaspora);
        const std::vector<TRowTexts> Expected = September2002(InDiaspora);
        for (std::int32_t Row = 0; Row < GridRowCount; ++Row)
            EXPECT_EQ(RowOf(Grid, Row), Expected[static_cast<std::size_t>(Row)])
                << "row " << Row << (InDiaspora ? ", Diaspora" : ", Israel");
    }
}

TEST(CellTexts, SeptemberTwoThousand)
{
    TMonthGrid Grid(Date(2000, 9, 1));
    EXPECT_EQ(RowOf(Grid, 0), (TRowTexts{"", "2000", "5760/5761", ""}));
    EXPECT_EQ(RowOf(Grid, 1), (TRowTexts{"", "Sep", "Elul/Tishrei", ""}));
    EXPECT_EQ(RowOf(Grid, 2), (TRowTexts{"Friday", "1", "1", ""}));
    EXPECT_EQ(RowOf(Grid, 3), (TRowTexts{"Saturday", "2", "2", " Shoftim "}));
    EXPECT_EQ(RowOf(Grid, 24), (TRowTexts{"Saturday", "23", "23", " Netzavim VaYelech"}));
    EXPECT_EQ(RowOf(Grid, 30), (TRowTexts{"Friday", "29", "29", "Erev Rosh Hashana"}));
    EXPECT_EQ(RowOf(Grid, 31), (TRowTexts{"Saturday", "30", "1", "Rosh Hashana day 1  "}));
    EXPECT_EQ(RowOf(Grid, 32), (TRowTexts{"", "", "", ""}));
}

TEST(CellTexts, Headings)
{
    struct TCase {
        TDateTime Selected;
        bool JewishPages;
        TRowTexts Years;
        TRowTexts Months;
    };
    for (const TCase& Case : {
             TCase{Date(2000, 3, 15), false, {"", "2000", "5760", ""}, {"", "Mar", "Adar1/Adar2", ""}},
             TCase{Date(2024, 1, 1), true, {"", "2023/2024", "5784", ""}, {"", "Dec/Jan", "Tevet", ""}},
             TCase{Date(2033, 2, 1), true, {"", "2033", "5793", ""}, {"", "Jan/Feb/Mar", "Adar1", ""}},
             TCase{Date(2022, 5, 1), false, {"", "2022", "5782", ""}, {"", "May", "Nissan/Iyar/Sivan", ""}},
             TCase{Date(2025, 3, 1), false, {"", "2025", "5785", ""}, {"", "Mar", "Adar/Nissan", ""}},
         }) {
        TMonthGrid Grid(Case.Selected, Case.JewishPages);
        EXPECT_EQ(RowOf(Grid, YearRow), Case.Years);
        EXPECT_EQ(RowOf(Grid, MonthRow), Case.Months);
    }
}

TEST(CellTexts, JewishPageEndsAfterItsLastDay)
{
    // Cheshvan 5758: 29 days from Saturday 1 November 1997.
    TMonthGrid Grid(Date(1997, 11, 10), true);
    EXPECT_EQ(RowOf(Grid, 2), (TRowTexts{"Saturday", "1", "1", " Noah "}));
    EXPECT_EQ(RowOf(Grid, 3), (TRowTexts{"Sunday", "2", "2", ""}));
    EXPECT_EQ(RowOf(Grid, 30), (TRowTexts{"Saturday", "29", "29", " Toldot "}));
    EXPECT_EQ(RowOf(Grid, 31), (TRowTexts{"", "", "", ""}));
    EXPECT_EQ(RowOf(Grid, 32), (TRowTexts{"", "", "", ""}));
}

TEST(CellTexts, CellsOutsideTheGridAreEmpty)
{
    const TMonthGrid Grid(Date(2000, 9, 1));
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    for (const auto& [Col, Row] : {std::pair{-1, 5}, {4, 5}, {1, 33}, {1, -1}, {Max, Max}, {Min, Min}})
        EXPECT_EQ(Grid.CellText(Col, Row), "");
}

TEST(CellTexts, SelectedDayDescription)
{
    struct TCase {
        TDateTime Selected;
        const char* Expected;
    };
    for (const TCase& Case : {
             TCase{Date(2026, 12, 6), "Sunday 6 December 2026, 26 Kislev 5787, Chanukah day 2"},
             TCase{Date(2000, 9, 1), "Friday 1 September 2000, 1 Elul 5760"},
             TCase{Date(2000, 9, 2), "Saturday 2 September 2000, 2 Elul 5760, Shoftim"},
             TCase{Date(2000, 9, 23), "Saturday 23 September 2000, 23 Elul 5760, Netzavim VaYelech"},
             TCase{Date(2000, 9, 30), "Saturday 30 September 2000, 1 Tishrei 5761, Rosh Hashana day 1"},
             TCase{JewishToDateTime(5784, 13, 14), "Sunday 24 March 2024, 14 Adar2 5784, Purim"},
         }) {
        const TMonthGrid Grid(Case.Selected);
        EXPECT_EQ(Grid.SelectedDayDescription(), Case.Expected);
    }
}

}  // namespace
}  // namespace mirvane
