#pragma once

#include <cstdint>

namespace mirvane::Weekday {

// Weekday numbers as WeekdayOf and DayOfWeek give them.
inline constexpr std::int32_t Sunday = 1;
inline constexpr std::int32_t Monday = 2;
inline constexpr std::int32_t Tuesday = 3;
inline constexpr std::int32_t Wednesday = 4;
inline constexpr std::int32_t Thursday = 5;
inline constexpr std::int32_t Friday = 6;
inline constexpr std::int32_t Saturday = 7;

}  // namespace mirvane::Weekday
