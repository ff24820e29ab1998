// Built in place of LearningEntries.cpp while the learning tables are not
// part of the program: no cycle to choose, no reading on any day.
#include "luach/LearningEntries.h"

namespace mirvane {

std::span<const std::string_view> LearningCycleKeys()
{
    return {};
}

void AddLearningEntries(std::vector<TLuachEntry>&, const std::bitset<16>&, TDateTime)
{
}

}  // namespace mirvane
