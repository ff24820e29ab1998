#pragma once

// The captions of the times of the day in the window's language. The times
// library and the command line keep their English captions; the window
// translates them by the time's key.

#include <QString>

#include "times/DayTimes.h"

namespace mirvane {

// "Dawn", "עלות השחר"; a time the window does not know keeps the library's
// caption.
QString TimeCaption(const TDayTime& Time);

// The minutes the candle-lighting times are worked out by: "Candles 40
// minutes before sunset".
QString CandleRuleText(const TTimesRules& Rules);

}  // namespace mirvane
