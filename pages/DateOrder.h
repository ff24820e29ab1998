#pragma once

#include <cstdint>

namespace mirvane {

// The order in which a typed Gregorian date is read; the numbers are those
// the stored options use.
enum TDateOrder : std::int32_t {
    MonthDayYear = 0,  // "mm/dd/yy"
    DayMonthYear = 1,  // "dd/mm/yy"
    YearMonthDay = 2,  // "yy/mm/dd"
};

}  // namespace mirvane
