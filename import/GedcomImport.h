#pragma once

#include <string_view>

#include "import/ImportedEvent.h"

namespace mirvane {

// The deaths and births of a GEDCOM 5.5.1 or 7.0 file: each person's death
// becomes a yahrzeit and birth a birthday, named by the person's name, on
// the Jewish date given (@#DHEBREW@ 1 TSH 5785, or HEBREW 1 TSH 5761 in 7.0)
// or the Jewish date of a Gregorian one, after sunset when a note of the
// event says so. A date that is no single day (ABT, BEF, FROM ... TO) is
// kept as written and is no date.
TImportRead ReadGedcomEvents(std::string_view Text);

}  // namespace mirvane
