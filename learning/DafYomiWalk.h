#pragma once

#include <chrono>
#include <string>

#include "learning/DafYomiSchedule.h"

namespace mirvane {

// The Daf Yomi asked for day after day, as a luach streams it: a day that
// follows the one before moves on a page and rewrites only the page's
// number; any other day, and a new tractate, is found from the schedule.
class TDafYomiWalk {
public:
    // Writes the reading DafYomiReading gives for Day into English and
    // Hebrew after their first EnglishLead and HebrewLead characters (a
    // title the caller keeps there), or says there is none. The texts are
    // the walk's own between calls: it rewrites only what changed.
    bool WriteOn(std::chrono::sys_days Day, std::string& English, std::size_t EnglishLead, std::string& Hebrew,
                 std::size_t HebrewLead);

private:
    bool Placed = false;
    std::chrono::sys_days Day;
    TPageWalk::TPlace Place;
};

}  // namespace mirvane
