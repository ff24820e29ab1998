#pragma once

#include <optional>

#include "engine/DateServices.h"
#include "pages/DateEntry.h"

namespace mirvane {

// The last day the Times page shows: the calendar's dates end with 9999.
TDateTime LastTimesPageDay();

// The day a typed date names on the Times page: a date of the calendar from
// the first day with a Jewish date to LastTimesPageDay. Nothing for
// anything else, including the prefixes a date passes through while it is
// typed ("2/29/2"), so that typing never raises an error.
std::optional<TDateTime> TimesPageDay(const TDateEntry& Entry);

}  // namespace mirvane
