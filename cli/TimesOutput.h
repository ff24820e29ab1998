#pragma once

#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "times/DayTimes.h"

namespace mirvane {

enum class TTimesFormat { Text, Json, Csv, Ics };

// The place the times are for, as the command line names it: a place of the
// list, or coordinates typed (no name or country then).
struct TTimesPlace {
    std::optional<std::string> Name;
    std::optional<std::string> Country;
    std::string Title;  // the heading of the text form
    TCoordinates Where;
    const TTimeZone* Zone = nullptr;
};

// Writes the times of each day from First to Last, one at a time, so that
// any range runs in constant memory (ics gathers only its events). Each time
// is rounded its own way: to the minute in text, to the second elsewhere.
// Days the zone's calendar skipped are left out.
void WriteTimes(std::ostream& Out, const TTimesPlace& Place, std::chrono::sys_days First,
                std::chrono::sys_days Last, const TTimesRules& Rules, TTimesFormat Format);

}  // namespace mirvane
