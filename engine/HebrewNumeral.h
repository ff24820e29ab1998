#pragma once

#include <cstdint>
#include <string>

namespace mirvane {

// A number in Hebrew letters: letters from the largest value down (ת
// repeated for hundreds above 400), 15 and 16 as ט״ו and ט״ז also inside
// larger numbers, one letter followed by a geresh (U+05F3), several letters
// with a gershayim (U+05F4) before the last. The thousands are left out, as
// years are written (5731 is תשל״א), except for a whole thousand, which is
// written as its count of thousands (5000 is ה׳). Empty below 1 and for
// whole millions, which no date reaches.
std::string HebrewNumeral(std::int64_t Value);

}  // namespace mirvane
