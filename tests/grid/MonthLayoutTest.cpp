#include <gtest/gtest.h>

#include "engine/ConvertError.h"
#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;

struct TLayoutCase {
    const char* Name;
    TDateTime Selected;
    bool JewishPages;
    TMonthPage Expected;  // without the derived lengths
    std::int32_t SelectedRow;
};

TMonthPage PageOf(TDateTime FirstDate, std::int32_t FirstWeekday, std::int32_t FirstJewishYear,
                  std::int32_t FirstJewishMonth, std::int32_t FirstJewishDay, std::int32_t NextJewishYear,
                  std::int32_t SecondJewishMonth, std::int32_t ThirdJewishMonth, std::int32_t FirstGregorianYear,
                  std::int32_t NextGregorianYear, std::int32_t FirstGregorianMonth, std::int32_t SecondGregorianMonth,
                  std::int32_t ThirdGregorianMonth)
{
    return {FirstDate,          FirstWeekday,      FirstJewishYear,   FirstJewishMonth,   FirstJewishDay,
            NextJewishYear,     SecondJewishMonth, ThirdJewishMonth,  FirstGregorianYear, NextGregorianYear,
            FirstGregorianMonth, SecondGregorianMonth, ThirdGregorianMonth};
}

TMonthPage WithoutLengths(TMonthPage Page)
{
    Page.PageDays = Page.FirstJewishMonthDays = Page.SecondJewishMonthDays = 0;
    return Page;
}

class MonthLayout : public ::testing::TestWithParam<TLayoutCase> {};

TEST_P(MonthLayout, LaysOutThePageOfTheSelectedDate)
{
    const TLayoutCase& Case = GetParam();
    TMonthGrid Grid(Case.Selected);
    Grid.SetJewishMonthMode(Case.JewishPages);
    EXPECT_EQ(WithoutLengths(Grid.Page()), Case.Expected);
    EXPECT_EQ(Grid.SelectedCol(), GregorianColumn);
    EXPECT_EQ(Grid.SelectedRow(), Case.SelectedRow);
    EXPECT_EQ(Grid.CurrentDate(), Case.Selected);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, MonthLayout,
    ::testing::Values(
        // 1 Elul 5760 on a Friday; 1 Tishrei 5761 on Saturday 30 September.
        TLayoutCase{"September2000", Date(2000, 9, 15), false,
                    PageOf(Date(2000, 9, 1), 6, 5760, 6, 1, 5761, 7, 0, 2000, 0, 9, 0, 0), 16},
        // 1 Cheshvan 5758 on a Saturday, Cheshvan of 29 days, then Kislev.
        TLayoutCase{"November1997", Date(1997, 11, 30), false,
                    PageOf(Date(1997, 11, 1), 7, 5758, 8, 1, 0, 9, 0, 1997, 0, 11, 0, 0), 31},
        TLayoutCase{"Cheshvan5758", Date(1997, 11, 29), true,
                    PageOf(Date(1997, 11, 1), 7, 5758, 8, 1, 0, 0, 0, 1997, 0, 11, 0, 0), 30},
        // Tevet 5784 runs from Wednesday 13 December 2023 to 10 January 2024.
        TLayoutCase{"Tevet5784", Date(2024, 1, 1), true,
                    PageOf(Date(2023, 12, 13), 4, 5784, 10, 1, 0, 0, 0, 2023, 2024, 12, 1, 0), 21},
        // Adar I 5793 (30 days) begins on Monday 31 January 2033.
        TLayoutCase{"AdarI5793", Date(2033, 2, 14), true,
                    PageOf(Date(2033, 1, 31), 2, 5793, 12, 1, 0, 0, 0, 2033, 0, 1, 2, 3), 16},
        // May 2022: 30 Nissan, all 29 days of Iyar, then 1 Sivan.
        TLayoutCase{"May2022", Date(2022, 5, 31), false,
                    PageOf(Date(2022, 5, 1), 1, 5782, 1, 30, 0, 2, 3, 2022, 0, 5, 0, 0), 32},
        TLayoutCase{"March2000", Date(2000, 3, 1), false,
                    PageOf(Date(2000, 3, 1), 4, 5760, 12, 24, 0, 13, 0, 2000, 0, 3, 0, 0), 2}),
    [](const ::testing::TestParamInfo<TLayoutCase>& Info) { return std::string(Info.param.Name); });

struct TCellCase {
    std::int32_t Col;
    std::int32_t Row;
    TCellDate Expected;
};

void ExpectCells(const TMonthGrid& Grid, std::initializer_list<TCellCase> Cases)
{
    for (const TCellCase& Case : Cases) {
        EXPECT_EQ(Grid.CellDate(Case.Col, Case.Row), Case.Expected) << "column " << Case.Col << ", row " << Case.Row;
        EXPECT_EQ(Grid.CellDay(Case.Col, Case.Row), Case.Expected.Day);
    }
}

TEST(MonthLayoutCells, GregorianPageRestartsTheJewishDaysAtTishrei)
{
    const TMonthGrid Grid(Date(2000, 9, 15));
    ExpectCells(Grid, {{JewishColumn, 2, {5760, 6, 1}},
                       {JewishColumn, 30, {5760, 6, 29}},
                       {JewishColumn, 31, {5761, 7, 1}},
                       {JewishColumn, 32, {}},
                       {GregorianColumn, 2, {2000, 9, 1}},
                       {GregorianColumn, 31, {2000, 9, 30}},
                       {GregorianColumn, 32, {}},
                       {WeekdayColumn, 5, {}},
                       {DayTextColumn, 5, {}},
                       {GregorianColumn, 1, {}},
                       {JewishColumn, 0, {}}});
}

TEST(MonthLayoutCells, JewishPageOfCheshvanEndsOnThe29th)
{
    TMonthGrid Grid(Date(1997, 11, 10));
    Grid.SetJewishMonthMode(true);
    ExpectCells(Grid, {{JewishColumn, 2, {5758, 8, 1}},
                       {JewishColumn, 30, {5758, 8, 29}},
                       {GregorianColumn, 30, {1997, 11, 29}},
                       {JewishColumn, 31, {}},
                       {GregorianColumn, 31, {}},
                       {GregorianColumn, 32, {}}});
}

TEST(MonthLayoutCells, GregorianPageOfThreeJewishMonths)
{
    const TMonthGrid Grid(Date(2022, 5, 1));
    ExpectCells(Grid, {{JewishColumn, 2, {5782, 1, 30}},
                       {JewishColumn, 3, {5782, 2, 1}},
                       {JewishColumn, 31, {5782, 2, 29}},
                       {JewishColumn, 32, {5782, 3, 1}}});
}

TEST(MonthLayoutCells, CellsOutsideTheGridShowNoDay)
{
    const TMonthGrid Grid(Date(2000, 1, 15));
    for (const std::int32_t Col : {-1, 4, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Grid.CellDay(Col, 10), -1);
    for (const std::int32_t Row : {-1, 33, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Grid.CellDay(GregorianColumn, Row), -1);
}

TEST(MonthLayoutPage, LastRowOfThePageFollowsTheMonthLength)
{
    struct TLengthCase {
        TDateTime Selected;
        bool JewishPages;
        std::int32_t Days;
    };
    for (const TLengthCase& Case : {TLengthCase{Date(2000, 2, 10), false, 29}, TLengthCase{Date(1900, 2, 10), false, 28},
                                    TLengthCase{Date(2001, 4, 10), false, 30}, TLengthCase{Date(2001, 12, 10), false, 31},
                                    TLengthCase{Date(2000, 9, 10), true, 29}, TLengthCase{Date(2000, 10, 10), true, 30}}) {
        TMonthGrid Grid(Case.Selected);
        Grid.SetJewishMonthMode(Case.JewishPages);
        EXPECT_EQ(Grid.Page().PageDays, Case.Days);
        EXPECT_NE(Grid.CellDay(GregorianColumn, Case.Days + 1), -1);
        EXPECT_EQ(Grid.CellDay(GregorianColumn, Case.Days + 2), -1);
        if (!Case.JewishPages) {
            EXPECT_EQ(Grid.GregorianMonthDays(), Case.Days);
        }
    }
}

TEST(MonthLayoutPage, GregorianLeapYears)
{
    for (const auto& [Year, Leap] : {std::pair{2000, true}, {1900, false}, {2024, true}, {2023, false}, {2100, false}}) {
        const TMonthGrid Grid(Date(Year, 3, 1));
        EXPECT_EQ(Grid.IsGregorianLeap(), Leap) << Year;
    }
}

TEST(MonthLayoutPage, ZeroIsAnOrdinaryDate)
{
    // 30 December 1899 = 28 Tevet 5660: value 0 is a day like any other.
    const TMonthGrid Grid(0.0);
    EXPECT_EQ(Grid.Page().FirstDate, Date(1899, 12, 1));
    EXPECT_EQ(Grid.SelectedRow(), 31);
    EXPECT_EQ(Grid.GregorianMonthDays(), 31);
    EXPECT_EQ(Grid.CurrentJewishDate().Day, 28);
}

TEST(MonthLayoutPage, TimeOfDayIsDropped)
{
    const TMonthGrid Grid(Date(2000, 9, 15) + 0.75);
    EXPECT_EQ(Grid.CurrentDate(), Date(2000, 9, 15));
    EXPECT_EQ(Grid.SelectedRow(), 16);
}

TEST(MonthLayoutPage, EarliestAndLatestPages)
{
    // The first month whose first day has a Jewish date, and the last one.
    const TMonthGrid First(Date(2, 11, 1));
    EXPECT_EQ(First.Page().FirstJewishYear, 3763);
    const TMonthGrid Last(Date(9999, 12, 31));
    EXPECT_EQ(Last.Page().FirstGregorianYear, 9999);
    EXPECT_THROW(TMonthGrid(Date(2, 10, 31)), EConvertError);
}

}  // namespace
}  // namespace mirvane
