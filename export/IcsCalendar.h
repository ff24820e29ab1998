#pragma once

#include <chrono>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateServices.h"

namespace mirvane {

// One all-day event of a calendar file.
struct TIcsEvent {
    TDateTime Date = 0;
    std::string Summary;
    std::string Uid;
};

// One timed event: a moment, not a span, so without an end.
struct TIcsMoment {
    std::chrono::sys_seconds At;
    std::string Summary;
    std::string Uid;
};

// A UID that stays the same for the same date and name, whenever and
// wherever the file is written, so that importing it again updates events
// instead of doubling them.
std::string IcsUid(TDateTime Date, std::string_view Name);

// An RFC 5545 calendar of all-day events, each DTSTART;VALUE=DATE with DTEND
// on the next day. Throws EExportFailure for a date outside the years 1 to
// 9999, which the format's four-digit years cannot hold; nothing is
// returned then.
std::string IcsCalendarText(const std::vector<TIcsEvent>& Events);

// A calendar of timed events, each DTSTART in UTC; EExportFailure for a
// moment outside the years 1 to 9999.
std::string IcsCalendarText(const std::vector<TIcsMoment>& Moments);

}  // namespace mirvane
