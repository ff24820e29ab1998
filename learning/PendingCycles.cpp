#include "learning/CycleReadings.h"
namespace mirvane {
std::optional<TLearningReading> Rambam1Reading(std::chrono::sys_days) { return std::nullopt; }
std::optional<TLearningReading> Rambam3Reading(std::chrono::sys_days) { return std::nullopt; }
std::optional<TLearningReading> ChofetzChaimReading(std::chrono::sys_days) { return std::nullopt; }
}
