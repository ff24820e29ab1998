#pragma once

#include <chrono>
#include <optional>

#include "learning/PageWalk.h"

namespace mirvane {

// Where the Daf Yomi stands on a civil day: the page list of that day's
// cycle (the early cycles learnt a shorter Shekalim) and the page's index in
// it. Nothing before the first cycle began.
struct TDafYomiPlace {
    const TPageWalk* Walk = nullptr;
    int Index = 0;
};
std::optional<TDafYomiPlace> DafYomiPlaceOn(std::chrono::sys_days Day);

}  // namespace mirvane
