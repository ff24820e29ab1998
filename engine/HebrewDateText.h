#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateConversion.h"

namespace mirvane {

class TJewishYear;

// The Hebrew name of Month in Year: אדר א׳ and אדר ב׳ in a leap year, אדר in
// a common one; empty for a month the year lacks.
std::string_view HebrewMonthName(std::int32_t Year, std::int32_t Month);

// "ג׳ כסלו תשל״א": the Hebrew day numeral, month and year numeral,
// separated by single blanks; the Hebrew twin of JewishDateText.
std::string HebrewJewishDateText(std::int32_t Year, std::int32_t Month, std::int32_t Day);

// JewishDateText of Date, or with Hebrew its Hebrew twin: the one choice of
// every place that follows the Hebrew Names option.
std::string JewishDateTextIn(const TJewishDate& Date, bool Hebrew);

// The Hebrew twin of the calculator's DayText: the festival's Hebrew name
// and, on a Saturday with a portion, a blank and the portion's Hebrew name,
// a second portion read with it joined by a hyphen ("ויקהל-פקודי"). No
// padding blanks.
std::string HebrewDayText(TJewishYear& Calculator, std::int32_t Month, std::int32_t Day);

}  // namespace mirvane
