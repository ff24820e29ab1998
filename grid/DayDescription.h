#pragma once

#include <string>
#include <string_view>

#include "engine/CivilNames.h"
#include "engine/DateServices.h"

namespace mirvane {

// A day as one sentence for assistive technology: weekday, Gregorian day,
// full month name and year, then the Jewish day, month and year, then the
// day's festival and portion text without its padding blanks, left out with
// its comma when empty: "Sunday 6 December 2026, 26 Kislev 5787, Chanukah day
// 2". With HebrewNames the Jewish date is in Hebrew letters ("כ״ו כסלו
// תשפ״ז") and DayText is expected in Hebrew too. Throws EConvertError for a
// date without a Jewish date. The Gregorian date is written with Names.
std::string DayDescription(TDateTime Date, std::string_view DayText, bool HebrewNames = false,
                           const TCivilNames& Names = EnglishCivilNames());

}  // namespace mirvane
