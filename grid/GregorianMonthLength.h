#pragma once

#include <cstdint>

namespace mirvane {

// Leap years of the Gregorian calendar, applied to every year.
bool IsGregorianLeap(std::int32_t Year);

// Days of Month (1..12) of Year; 0 for any other month.
std::int32_t GregorianMonthDays(std::int32_t Year, std::int32_t Month);

}  // namespace mirvane
