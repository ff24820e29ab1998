#pragma once

#include <array>
#include <bitset>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/DateServices.h"
#include "learning/DafYomiWalk.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// The learning cycles' keys in their order ("daf-yomi", ...).
std::span<const std::string_view> LearningCycleKeys();

// The readings of the chosen cycles (by place in LearningCycleKeys), day
// after day. Walking many days reuses the entries' texts' storage, and the
// Daf Yomi, which most people keep, steps on a page a day.
class TLearningEntries {
public:
    explicit TLearningEntries(const std::bitset<16>& Cycles);

    // Each chosen cycle's entry on Day, for those that have one, in the
    // cycles' order: "Daf Yomi: Sanhedrin 19", with the reading alone in
    // Reading. Valid until the next call.
    std::span<const TLuachEntry> On(TDateTime Day);

private:
    std::bitset<16> Cycles;
    TDafYomiWalk DafYomi;
    std::vector<TLuachEntry> Entries;
    // The length of "Daf Yomi: " in English and in Hebrew, by cycle.
    std::array<std::pair<std::size_t, std::size_t>, 16> NameLengths{};
};

}  // namespace mirvane
