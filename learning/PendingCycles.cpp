#include "learning/CycleReadings.h"
namespace mirvane {
std::optional<TLearningReading> ChofetzChaimReading(std::chrono::sys_days) { return std::nullopt; }
}
