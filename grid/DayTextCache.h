#pragma once

#include <cstdint>
#include <string>

#include "engine/JewishYear.h"

namespace mirvane {

// The festival and portion text of days, from a year calculator kept for the
// last year asked about, so the portion schedule of a year is worked out once
// while a page is painted, and again only when the rules asked for change.
class TDayTextCache {
public:
    // The text for Day of Month of the Jewish Year (a year of the calendar,
    // 1..13 a month of it) under Rules; with Hebrew its Hebrew twin (see
    // HebrewDayText).
    std::string DayText(std::int32_t Year, std::int32_t Month, std::int32_t Day, TRules Rules, bool Hebrew);

private:
    TJewishYear Calculator;
};

}  // namespace mirvane
