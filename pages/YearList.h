#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/DateServices.h"

namespace mirvane {

// One answer of a page: the date and its GregorianDateText.
struct TListedDate {
    TDateTime Date = 0;
    std::string Text;
    bool operator==(const TListedDate&) const = default;
};

// The longest list a page shows.
inline constexpr std::int32_t MaxListedYears = 200;

// The number of years a page lists for the text of its "how many years"
// box: 1 to 200, or 0 for no list (no number, or a number out of range).
std::int32_t ListedYearCount(std::string_view Text);

// Whether the calendar places 1 Tishrei of a Jewish year on a date; only
// those years give real dates.
bool HasNewYearDate(std::int64_t JewishYear);

}  // namespace mirvane
