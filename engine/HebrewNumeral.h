#pragma once

#include <cstdint>
#include <string>

namespace mirvane {

// A number from 1 to 999 in Hebrew letters: letters from the largest value
// down (ת repeated for hundreds above 400), 15 and 16 as ט״ו and ט״ז also
// inside larger numbers, one letter followed by a geresh (U+05F3), several
// letters with a gershayim (U+05F4) before the last. Empty for any other
// number.
std::string HebrewNumeral(std::int64_t Value);

// A year in Hebrew letters, the one form every Hebrew year is written in.
// Years 5001 to 5999 leave out the thousands, as people write them today
// (5731 is תשל״א). Any other year puts its thousands first, their letters
// and a geresh (7703 is ז׳תש״ג, 13703 is יג׳תש״ג); a whole thousand is its
// numeral and the word אלפים (5000 is ה׳ אלפים, 13000 is י״ג אלפים), since
// a thousand alone would read as a year of the 5000s. Empty below 1 and from
// a million up, which no date reaches.
std::string HebrewYearNumeral(std::int64_t Year);

}  // namespace mirvane
