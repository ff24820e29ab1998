#pragma once

#include <optional>
#include <string_view>

#include "engine/DateConversion.h"

namespace mirvane {

// Reads a Jewish date typed in Hebrew letters: day numeral, month name and
// year numeral separated by blanks ("ג׳ כסלו תשל״א"). The geresh and the
// gershayim may also be typed as ' and " (or left out); final letter forms
// count as the plain ones. A year without thousands is one of 5001 to 5999
// (תשל״א is 5731); thousands may be written before a geresh (ה׳תשל״א,
// ז׳תש״ג, יג׳תש״ג), and a whole thousand as its numeral and the word אלפים
// (ה׳ אלפים), as HebrewYearNumeral writes them. A plain אדר is Adar I in a
// leap year. Nothing when the text is no such date, or names a month or a
// day the year lacks, or a year the calendar does not place.
std::optional<TJewishDate> ReadHebrewJewishDate(std::string_view Text);

}  // namespace mirvane
