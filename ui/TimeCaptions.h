#pragma once

// The captions of the times of the day in the window's language. The times
// library and the command line keep their English captions; the window
// translates them by the time's key.

#include <chrono>

#include <QString>

#include "times/DayTimes.h"
#include "times/TimeZone.h"

namespace mirvane {

// "Dawn", "עלות השחר"; a time the window does not know keeps the library's
// caption.
QString TimeCaption(const TDayTime& Time);

// The minutes the candle-lighting times are worked out by: "Candles 40
// minutes before sunset".
QString CandleRuleText(const TTimesRules& Rules);

// A time of Day's list on the window's clock: "16:35", with the date when it
// falls after midnight ("00:29 (Tue 25 Aug)"), or "—".
QString WindowClockText(const TDayTime& Time, std::chrono::sys_days Day, const TTimeZone& Zone);

// Why a time is absent, as a sentence ("The sun does not set on this day");
// empty for a time that is there.
QString AbsenceText(const TDayTime& Time);

}  // namespace mirvane
