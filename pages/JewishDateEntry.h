#pragma once

#include <optional>
#include <string>
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

// Why ParseJewishDateEntry reads no day in Text, in a sentence that names
// the Jewish date: the month has fewer days that year ("Cheshvan has 29
// days in 5760"), a common year has no Adar I or Adar II, the date lies
// outside the years the calendar shows, or the text is no date of the form
// "3 Kislev 5731". Empty when it reads a day.
std::string WhyNoJewishDay(std::string_view Text);

}  // namespace mirvane
