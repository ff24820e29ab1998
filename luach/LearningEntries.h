#pragma once

#include <bitset>
#include <span>
#include <string_view>
#include <vector>

#include "engine/DateServices.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// The learning cycles' keys in their order ("daf-yomi", ...).
std::span<const std::string_view> LearningCycleKeys();

// Puts the day's reading of each chosen cycle (by place in
// LearningCycleKeys) that has one on Day at the front of Entries and returns
// how many: "Daf Yomi: Sanhedrin 19", with the reading alone in Reading.
// Entries past those are left as they were, so that walking many days
// reuses their texts' storage.
std::size_t AddLearningEntries(std::vector<TLuachEntry>& Entries, const std::bitset<16>& Cycles, TDateTime Day);

}  // namespace mirvane
