#pragma once

#include <string_view>

#include "import/ImportedEvent.h"

namespace mirvane {

// One event a VEVENT of an iCalendar file, read with libical: its summary,
// description, UID and start day; FREQ=YEARLY recurs on the Gregorian date
// and RSCALE=HEBREW on the Jewish one. Our own export's X-MIRVANE-
// properties give back each entry's details. A file that is cut short
// (no END:VCALENDAR) or that libical cannot read is a failure.
TImportRead ReadCalendarEvents(std::string_view Text);

}  // namespace mirvane
