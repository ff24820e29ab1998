#pragma once

// The names a Gregorian date is written with, so that code without Qt can
// write dates in the window's language: English by default, the window's
// locale's when it speaks another.

#include <array>
#include <functional>
#include <string>

#include "engine/DateServices.h"

namespace mirvane {

struct TCivilNames {
    // Indexed by weekday number, 1 = Sunday ... 7 = Saturday.
    std::array<std::string, 8> Weekdays;
    // Indexed by month, 1 = January; the abbreviations of a heading.
    std::array<std::string, 13> ShortMonths;
    // A whole date with its weekday: "Tuesday 1 December 1970".
    std::function<std::string(TDateTime)> LongDate;
};

// The names GregorianDateText and the fixed tables write.
const TCivilNames& EnglishCivilNames();

}  // namespace mirvane
