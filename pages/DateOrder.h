#pragma once

#include <cstdint>

namespace mirvane {

// The order in which a typed Gregorian date is read. The numbers are the
// stored DateOrder values and also the digits of the locale's short-date
// ordering.
enum TDateOrder : std::int32_t {
    MonthDayYear = 0,  // "mm/dd/yy"
    DayMonthYear = 1,  // "dd/mm/yy"
    YearMonthDay = 2,  // "yy/mm/dd"
};

}  // namespace mirvane
