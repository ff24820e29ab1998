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
// The same text added to the end of Text, for callers writing many dates.
void AppendIsoDateText(std::string& Text, TDateTime Value);
// The same text of a date of years 1..32767 written at Out, which has room
// for 11 characters; returns the end of it.
char* WriteIsoDateText(char* Out, const TGregorianDate& Date);

}  // namespace mirvane
