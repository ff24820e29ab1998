#pragma once

#include <optional>
#include <string>

#include "times/DayTimes.h"

namespace mirvane {

// A moment on the clocks of Zone, rounded the way its time is: to the second
// with the offset in force then, "2026-12-11T16:35:41+02:00" (an offset of
// whole seconds gains them, as local mean times before time zones have), or
// to the minute, "16:35". Rounding up may carry the minute, and the date,
// forward.
std::string IsoLocalTimeText(TInstant At, const date::time_zone& Zone, TRounding Rounding);
std::string ClockText(TInstant At, const date::time_zone& Zone, TRounding Rounding);

// ClockText, or "—" where the sun does not reach the time's angle.
std::string ClockTextOrDash(const std::optional<TInstant>& At, const date::time_zone& Zone, TRounding Rounding);

}  // namespace mirvane
