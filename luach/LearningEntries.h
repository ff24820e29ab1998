#pragma once

#include <bitset>
#include <span>
#include <string_view>
#include <vector>

#include "engine/DateServices.h"
#include "learning/DafYomiWalk.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// The learning cycles' keys in their order ("daf-yomi", ...).
std::span<const std::string_view> LearningCycleKeys();

// The readings of the chosen cycles (by place in LearningCycleKeys), day
// after day. Each cycle keeps its own entry, whose name is written once and
// whose reading is written again each day; the Daf Yomi, which most people
// keep, steps on a page a day.
class TLearningEntries {
public:
    explicit TLearningEntries(const std::bitset<16>& Cycles);

    // Adds to Found each chosen cycle's entry on Day, for those that have
    // one, in the cycles' order: "Daf Yomi: Sanhedrin 19", with the reading
    // alone in Reading. Valid until the next call.
    void AddOn(TDateTime Day, std::vector<const TLuachEntry*>& Found);

private:
    struct TCycleEntry {
        std::size_t Cycle = 0;  // by place in LearningCycleKeys
        TLuachEntry Entry;
        // The length of "Daf Yomi: " before the reading, in English and Hebrew.
        std::size_t EnglishLead = 0;
        std::size_t HebrewLead = 0;
    };

    std::vector<TCycleEntry> Chosen;
    TDafYomiWalk DafYomi;
};

}  // namespace mirvane
