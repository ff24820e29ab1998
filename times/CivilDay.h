#pragma once

#include <chrono>

#include "engine/DateServices.h"

namespace mirvane {

// The engine's whole-day values and the civil days of std::chrono, both
// ways, for dates of the years 1 to 9999.
TDateTime DateTimeOfDay(std::chrono::sys_days Day);
std::chrono::sys_days DayOfDateTime(TDateTime Value);

}  // namespace mirvane
