#pragma once

#include <string>

#include "engine/DateConversion.h"

namespace mirvane {

// The Jewish date text the command line writes: "3 Kislev 5731", or with
// Hebrew "ג׳ כסלו תשל״א".
std::string JewishDateTextIn(const TJewishDate& Date, bool Hebrew);

}  // namespace mirvane
