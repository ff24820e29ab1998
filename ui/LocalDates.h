#pragma once

// Gregorian dates in the window's language: the engine's English texts in
// the English window, the locale's weekday and month names under Hebrew.
// Typed dates stay numeric in either; these only write.

#include <QString>

#include "engine/CivilNames.h"
#include "engine/DateServices.h"

namespace mirvane {

// The names of the language the window speaks now.
const TCivilNames& WindowCivilNames();

// "Tuesday 1 December 1970", "יום שלישי, 1 בדצמבר 1970". Empty for no date.
QString LocalDateText(TDateTime Value);
// "December 2026", "דצמבר 2026".
QString LocalMonthYear(int Month, int Year);
// "1 Dec 1970", "1 בדצמ׳ 1970": a date in a column of a list.
QString LocalDayMonthYear(TDateTime Value);
// "Fri 4 Dec", "יום ו׳ 4 בדצמ׳": a day in a table of one month.
QString LocalShortDate(TDateTime Value);

}  // namespace mirvane
