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

}  // namespace mirvane
