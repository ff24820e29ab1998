#pragma once

#include <optional>
#include <string_view>

#include "engine/DateConversion.h"

namespace mirvane {

// Reads a Jewish date typed as day, month name and year: "3 Kislev 5731".
// The month is one of the engine's names in any case ("Adar1", "adar2"),
// or "Adar 1"/"Adar I" and "Adar 2"/"Adar II" as two words; a plain "Adar"
// is month 12. Nothing when the text has another form or names a day that
// does not exist: a day past the month's end (30 Cheshvan in a year where
// Cheshvan has 29 days), an Adar1 or Adar2 in a common year, a year before
// 3763, or a date that falls outside the Gregorian years 1 to 9999. The
// date may also be typed in Hebrew letters, as ReadHebrewJewishDate reads it.
std::optional<TJewishDate> ParseJewishDateEntry(std::string_view Text);

}  // namespace mirvane
