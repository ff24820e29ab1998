#pragma once

#include <chrono>
#include <cstdint>

namespace mirvane {

// Yom Kippur and the day Tisha B'Av is kept (the 10th of Av when the 9th is
// a Saturday): the two days a year the Jerusalem Talmud's daily page rests.
bool IsMajorFastDay(std::chrono::sys_days Day);
// How many of those days fall from From up to, not including, To (From <= To).
std::int64_t MajorFastDaysBetween(std::chrono::sys_days From, std::chrono::sys_days To);

}  // namespace mirvane
