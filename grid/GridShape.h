#pragma once

#include <cstdint>

namespace mirvane {

// The month grid's fixed shape: a weekday column, the Gregorian and the
// Jewish day columns and a text column; two heading rows (years, then month
// names) and one row for each of up to 31 days.
inline constexpr std::int32_t GridColCount = 4;
inline constexpr std::int32_t GridRowCount = 33;
inline constexpr std::int32_t GridFixedCols = 1;
inline constexpr std::int32_t GridFixedRows = 2;

enum TGridColumn : std::int32_t {
    WeekdayColumn = 0,
    GregorianColumn = 1,
    JewishColumn = 2,
    DayTextColumn = 3,
};

inline constexpr std::int32_t YearRow = 0;
inline constexpr std::int32_t MonthRow = 1;
inline constexpr std::int32_t FirstDayRow = 2;
inline constexpr std::int32_t LastDayRow = GridRowCount - 1;

// The kind argument of the part operations.
enum TDatePart : std::int32_t {
    YearPart = 1,
    MonthPart = 2,
    DayPart = 3,
};

}  // namespace mirvane
