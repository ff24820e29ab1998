#pragma once

#include <chrono>
#include <optional>

#include "learning/LearningCycles.h"

// Each cycle's own schedule; LearningReadingOn picks among them.
namespace mirvane {

std::optional<TLearningReading> DafYomiReading(std::chrono::sys_days Day);
std::optional<TLearningReading> MishnaYomitReading(std::chrono::sys_days Day);
std::optional<TLearningReading> NachYomiReading(std::chrono::sys_days Day);
std::optional<TLearningReading> YerushalmiVilnaReading(std::chrono::sys_days Day);
std::optional<TLearningReading> YerushalmiSchottensteinReading(std::chrono::sys_days Day);
std::optional<TLearningReading> Rambam1Reading(std::chrono::sys_days Day);
std::optional<TLearningReading> Rambam3Reading(std::chrono::sys_days Day);
std::optional<TLearningReading> ChofetzChaimReading(std::chrono::sys_days Day);
std::optional<TLearningReading> DafWeeklyReading(std::chrono::sys_days Day);

}  // namespace mirvane
