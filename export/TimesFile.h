#pragma once

#include <chrono>
#include <ostream>
#include <vector>

#include "export/IcsCalendar.h"
#include "times/DayTimes.h"

namespace mirvane {

enum class TTimesFileFormat { Csv, Ics };

// The times of each day from First to Last at Where, on the clocks of Zone,
// as a spreadsheet (a header, then a day a row, every time to the second
// with its offset, empty where absent or not kept that day) or as a
// calendar of the candle lighting, Chanukah, havdalah and fast times, each
// a timed event named with its clock time there and starting at that minute. Days are computed one at a time,
// so any range runs in constant memory (the calendar gathers only its
// events). Days the zone's calendar skipped are left out. Throws EConvertError for a day without a Jewish date and
// EExportFailure for a moment a calendar file cannot hold.
void WriteTimesFile(std::ostream& Out, const TCoordinates& Where, const TTimeZone& Zone,
                    std::chrono::sys_days First, std::chrono::sys_days Last, const TTimesRules& Rules,
                    TTimesFileFormat Format);

// The events of that calendar, in its order: each time with its UID, made
// of the day, the time's caption and the place, so the same time at the same
// place is the same event whenever it is written. Throws as WriteTimesFile.
std::vector<TIcsMoment> TimesEvents(const TCoordinates& Where, const TTimeZone& Zone, std::chrono::sys_days First,
                                    std::chrono::sys_days Last, const TTimesRules& Rules);

}  // namespace mirvane
