#pragma once

#include <cstdint>
#include <string>

#include "engine/DateServices.h"
#include "grid/MonthGrid.h"

namespace mirvane::testing {

inline TDateTime Date(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    return EncodeDate(Year, Month, Day);
}

// Everything a refused operation must leave as it was.
struct TGridSnapshot {
    TDateTime CurrentDate = 0;
    TMonthPage Page;
    std::int32_t YearCalcYear = 0;
    bool JewishSelected = false;
    bool ByJewishMonth = false;
    std::int32_t SelectedCol = 0;
    std::int32_t SelectedRow = 0;
    bool operator==(const TGridSnapshot&) const = default;
};

inline TGridSnapshot SnapshotOf(const TMonthGrid& Grid)
{
    return {Grid.CurrentDate(),    Grid.Page(),         Grid.YearCalc().Year, Grid.JewishSelected(),
            Grid.ByJewishMonth(),  Grid.SelectedCol(),  Grid.SelectedRow()};
}

// A grid on Date with the given active calendar and page kind, and a counter
// of its OnChange notifications from then on.
struct TCountedGrid {
    explicit TCountedGrid(TDateTime Selected, bool Jewish = false, bool JewishPages = false)
        : Grid(Selected, JewishPages)
    {
        if (Jewish)
            Grid.CellClicked(JewishColumn, Grid.SelectedRow());
        Grid.OnChange = [this](TMonthGrid&) { ++Changes; };
    }
    TCountedGrid(const TCountedGrid&) = delete;
    TCountedGrid& operator=(const TCountedGrid&) = delete;
    TMonthGrid Grid;
    int Changes = 0;
};

}  // namespace mirvane::testing
