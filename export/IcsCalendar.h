#pragma once

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

// A UID that stays the same for the same date and name, whenever and
// wherever the file is written, so that importing it again updates events
// instead of doubling them.
std::string IcsUid(TDateTime Date, std::string_view Name);

// An RFC 5545 calendar of all-day events, each DTSTART;VALUE=DATE with DTEND
// on the next day. Throws EExportFailure for a date outside the years 1 to
// 9999, which the format's four-digit years cannot hold; nothing is
// returned then.
std::string IcsCalendarText(const std::vector<TIcsEvent>& Events);

}  // namespace mirvane
