#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "engine/DateConversion.h"
#include "widgets/GridNavigation.h"
#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;
using testing::SnapshotOf;
using testing::TCountedGrid;

TEST(Selection, OnlyDayCellsOfTheTwoDayColumnsCanBeSelected)
{
    // September 2000 has 30 days: rows 2 to 31.
    const TMonthGrid Grid(Date(2000, 9, 15));
    struct TCase {
        std::int32_t Col;
        std::int32_t Row;
        bool Selectable;
    };
    for (const TCase& Case : {TCase{1, 2, true}, {2, 2, true}, {1, 31, true}, {2, 31, true}, {1, 32, false},
                              {2, 32, false}, {0, 10, false}, {3, 10, false}, {1, 0, false}, {2, 1, false},
                              {-1, 10, false}, {4, 10, false}, {1, 33, false}, {1, -1, false},
                              {std::numeric_limits<std::int32_t>::max(), 2, false},
                              {1, std::numeric_limits<std::int32_t>::min(), false}})
        EXPECT_EQ(Grid.CanSelectCell(Case.Col, Case.Row), Case.Selectable) << Case.Col << ", " << Case.Row;
}

TEST(Selection, ClickOnADaySelectsItInItsCalendar)
{
    TCountedGrid Counted(Date(2000, 9, 15));
    Counted.Grid.ClickCell(JewishColumn, 10);  // Saturday 9 September, 9 Elul
    EXPECT_EQ(Counted.Grid.CurrentDate(), Date(2000, 9, 9));
    EXPECT_TRUE(Counted.Grid.JewishSelected());
    EXPECT_EQ(Counted.Grid.SelectedCol(), JewishColumn);
    EXPECT_EQ(Counted.Grid.SelectedRow(), 10);
    EXPECT_EQ(Counted.Changes, 1);

    // Steps now go by Jewish month: 9 Elul 5760 to 9 Tishrei 5761.
    Counted.Grid.GoNextMonth();
    EXPECT_EQ(Counted.Grid.CurrentDate(), JewishToDateTime(5761, 7, 9));

    // A Gregorian day switches back to Gregorian steps.
    Counted.Grid.ClickCell(GregorianColumn, 3);  // 2 October 2000
    EXPECT_FALSE(Counted.Grid.JewishSelected());
    Counted.Grid.GoNextMonth();
    EXPECT_EQ(Counted.Grid.CurrentDate(), Date(2000, 11, 2));
}

TEST(Selection, ClickOutsideTheDaysKeepsTheSelectionButStillNotifies)
{
    struct TCase {
        std::int32_t Col;
        std::int32_t Row;
        int Changes;
    };
    // Text column and empty rows: the selected date is set again. Headings,
    // the weekday column and cells outside the grid: nothing at all.
    for (const TCase& Case : {TCase{DayTextColumn, 10, 1}, {GregorianColumn, 32, 1}, {JewishColumn, 32, 1},
                              {GregorianColumn, 0, 0}, {JewishColumn, 1, 0}, {WeekdayColumn, 10, 0},
                              {5, 10, 0}, {1, 40, 0}, {-3, -3, 0}}) {
        TCountedGrid Counted(Date(2000, 9, 15));
        const auto Before = SnapshotOf(Counted.Grid);
        Counted.Grid.ClickCell(Case.Col, Case.Row);
        EXPECT_EQ(SnapshotOf(Counted.Grid), Before) << Case.Col << ", " << Case.Row;
        EXPECT_EQ(Counted.Changes, Case.Changes) << Case.Col << ", " << Case.Row;
    }
}

TEST(Selection, CellClickedOnACellWithoutADayDoesNothing)
{
    TCountedGrid Counted(Date(2000, 9, 15));
    const auto Before = SnapshotOf(Counted.Grid);
    Counted.Grid.CellClicked(DayTextColumn, 5);
    Counted.Grid.CellClicked(GregorianColumn, 32);
    EXPECT_EQ(SnapshotOf(Counted.Grid), Before);
    EXPECT_EQ(Counted.Changes, 0);
}

// Key moves on the month grid, with the grid's own veto.
std::optional<TGridCell> MoveOn(const TMonthGrid& Grid, TGridKey Key, TGridCell From)
{
    const TGridArea Area{GridColCount, GridRowCount, GridFixedCols, GridFixedRows, GridRowCount - GridFixedRows};
    return KeyTarget(Key, From, Area, [&Grid](std::int32_t Col, std::int32_t Row) { return Grid.CanSelectCell(Col, Row); });
}

TEST(KeyMoves, StayOnTheDaysOfThePage)
{
    const TMonthGrid Grid(Date(2000, 9, 15));  // rows 2 to 31
    struct TCase {
        TGridKey Key;
        TGridCell From;
        std::optional<TGridCell> To;
    };
    const TCase Cases[] = {
        {TGridKey::Down, {1, 30}, TGridCell{1, 31}},
        {TGridKey::Down, {1, 31}, std::nullopt},
        {TGridKey::Down, {2, 31}, std::nullopt},
        {TGridKey::PageDown, {1, 31}, std::nullopt},
        {TGridKey::PageDown, {1, 5}, TGridCell{1, 31}},
        {TGridKey::End, {2, 5}, TGridCell{2, 31}},
        {TGridKey::Up, {1, 3}, TGridCell{1, 2}},
        {TGridKey::Up, {1, 2}, std::nullopt},
        {TGridKey::PageUp, {1, 20}, TGridCell{1, 2}},
        {TGridKey::Home, {2, 20}, TGridCell{2, 2}},
        {TGridKey::Left, {1, 5}, std::nullopt},
        {TGridKey::Right, {1, 5}, TGridCell{2, 5}},
        {TGridKey::Right, {2, 5}, std::nullopt},
        {TGridKey::Left, {2, 5}, TGridCell{1, 5}},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(MoveOn(Grid, Case.Key, Case.From), Case.To)
            << static_cast<int>(Case.Key) << " from " << Case.From.Col << ", " << Case.From.Row;
}

TEST(KeyMoves, PagingMovesAtMostAPage)
{
    const TGridArea Area{3, 20, 1, 1, 4};
    const auto Any = [](std::int32_t, std::int32_t) { return true; };
    EXPECT_EQ(KeyTarget(TGridKey::PageDown, {1, 2}, Area, Any), (TGridCell{1, 6}));
    EXPECT_EQ(KeyTarget(TGridKey::PageDown, {1, 18}, Area, Any), (TGridCell{1, 19}));
    EXPECT_EQ(KeyTarget(TGridKey::PageUp, {2, 3}, Area, Any), (TGridCell{2, 1}));
    EXPECT_EQ(KeyTarget(TGridKey::End, {2, 3}, Area, Any), (TGridCell{2, 19}));
    // Only odd rows: the farthest acceptable one within reach.
    const auto OddRows = [](std::int32_t, std::int32_t Row) { return Row % 2 == 1; };
    EXPECT_EQ(KeyTarget(TGridKey::PageDown, {1, 1}, Area, OddRows), (TGridCell{1, 5}));
    EXPECT_EQ(KeyTarget(TGridKey::Down, {1, 1}, Area, OddRows), std::nullopt);
}

TEST(KeyMoves, OddGridsAndPositionsDoNotMove)
{
    const auto Any = [](std::int32_t, std::int32_t) { return true; };
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    for (const TGridKey Key : {TGridKey::Left, TGridKey::Right, TGridKey::Up, TGridKey::Down, TGridKey::PageUp,
                               TGridKey::PageDown, TGridKey::Home, TGridKey::End}) {
        EXPECT_EQ(KeyTarget(Key, {0, 0}, TGridArea{0, 0, 0, 0, 0}, Any), std::nullopt);
        EXPECT_EQ(KeyTarget(Key, {Max, Max}, TGridArea{4, 33, 1, 2, 31}, Any), std::nullopt);
        EXPECT_EQ(KeyTarget(Key, {Min, Min}, TGridArea{4, 33, 1, 2, 31}, Any), std::nullopt);
        EXPECT_EQ(KeyTarget(Key, {1, 2}, TGridArea{Max, Max, Min, Min, Max}, [](std::int32_t, std::int32_t) { return false; }),
                  std::nullopt);
    }
}

}  // namespace
}  // namespace mirvane
