#pragma once

#include <chrono>
#include <optional>

#include "learning/LearningCycles.h"

// Each cycle's own schedule; LearningReadingOn picks among them.
namespace mirvane {

std::optional<TLearningReading> DafYomiReading(std::chrono::sys_days Day);

}  // namespace mirvane
