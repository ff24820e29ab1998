#pragma once

#include <chrono>
#include <optional>
#include <string>

#include "times/DayTimes.h"

namespace mirvane {

// A moment on the clocks of Zone, rounded the way its time is: to the second
// with the offset in force then, "2026-12-11T16:35:41+02:00", or to the
// minute, "16:35". Rounding up may carry the minute, and the date, forward.
// RFC 3339 writes offsets to the minute, so a local mean time's offset of
// odd seconds (+02:20:40) is written to the nearest minute with the clock
// reading that goes with it: the moment is the same.
std::string IsoLocalTimeText(TInstant At, const TTimeZone& Zone, TRounding Rounding);
std::string ClockText(TInstant At, const TTimeZone& Zone, TRounding Rounding);

// ClockText, or "—" where the sun does not reach the time's angle.
std::string ClockTextOrDash(const std::optional<TInstant>& At, const TTimeZone& Zone, TRounding Rounding);

// The date on Zone's clocks of the minute ClockText shows: a time far north
// may fall after midnight, on the day after the one it belongs to.
std::chrono::sys_days LocalDayOf(TInstant At, const TTimeZone& Zone, TRounding Rounding);

// The moment ClockText's minute begins, for an event that starts when its
// title says.
std::chrono::sys_seconds ShownMinute(TInstant At, const TTimeZone& Zone, TRounding Rounding);

// A time of Day's list for people: its clock, with the weekday and date
// when it falls on another ("00:29 (Tue 25)"), or "—".
std::string DayClockText(const TDayTime& Time, std::chrono::sys_days Day, const TTimeZone& Zone);

}  // namespace mirvane
