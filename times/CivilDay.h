#pragma once

#include <chrono>
#include <utility>

#include "engine/DateServices.h"

namespace mirvane {

// The engine's whole-day values and the civil days of std::chrono, both
// ways, for dates of the years 1 to 9999.
TDateTime DateTimeOfDay(std::chrono::sys_days Day);
std::chrono::sys_days DayOfDateTime(TDateTime Value);

// The first and last days of Day's month: December 9999 is the last month
// the dates reach, and a list of it stops on its last day without asking for
// the day after.
std::pair<std::chrono::sys_days, std::chrono::sys_days> MonthOfDay(std::chrono::sys_days Day);

}  // namespace mirvane
