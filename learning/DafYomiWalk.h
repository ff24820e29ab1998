#pragma once

#include <chrono>

#include "learning/DafYomiSchedule.h"

namespace mirvane {

// The Daf Yomi asked for day after day, as a luach streams it: a day that
// follows the one before moves on a page and rewrites only the page's
// number; any other day, and a new tractate, is found from the schedule.
class TDafYomiWalk {
public:
    // The reading DafYomiReading gives for Day, or null where it gives none.
    // Valid until the next call.
    const TLearningReading* ReadingOn(std::chrono::sys_days Day);

private:
    bool Placed = false;
    std::chrono::sys_days Day;
    TPageWalk::TPlace Place;
    TLearningReading Reading;
};

}  // namespace mirvane
