#pragma once

#include <string>

#include "engine/DateServices.h"

namespace mirvane {

// "Tuesday 1 December 1970": weekday, day, full month name and year, single
// blanks between. Empty for a value that is no date of the calendar.
std::string GregorianDateText(TDateTime Value);

// "1970-12-01"; years beyond 9999 take as many digits as they have. Empty
// for a value that is no date of the calendar.
std::string IsoDateText(TDateTime Value);

}  // namespace mirvane
