#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "luach/LuachCategory.h"

namespace mirvane {

// Which categories and which learning cycles a view shows. Learning shows
// through its cycles only: Shows(Learning) is whether any cycle is chosen.
struct TLuachShow {
    std::bitset<AllLuachCategories.size()> Categories;
    std::bitset<16> Cycles;  // by place in LearningCycleKeys()

    // Everything the window shows at first: every category but the learning.
    static TLuachShow Default();
    bool Shows(TLuachCategory Category) const;
    // Anything beyond the festival list the program always showed.
    bool AddsToFestivals() const;
    bool operator==(const TLuachShow&) const = default;
};

// LIST as --show and the stored choice write it: comma-separated category
// keys, learning cycle keys, "learning" for every cycle and "all"; blanks
// around keys are allowed, an empty list shows nothing. Nothing for an
// unknown key, whose name Error then gives.
std::optional<TLuachShow> ParseLuachShow(std::string_view List, std::string* Error = nullptr);
// Whether Show has the category or cycle Key, and turning it on or off;
// unknown keys are never shown and change nothing.
bool LuachShowHas(const TLuachShow& Show, std::string_view Key);
void ToggleLuachKey(TLuachShow& Show, std::string_view Key);

// The choice a stored list makes: the default while none is stored, and
// also for a list damaged by hand, which is left as it is in the store.
TLuachShow StoredLuachShow(const std::optional<std::string>& List);
// The list that reads back as Show: categories, then cycles, in order.
std::string LuachShowList(const TLuachShow& Show);

}  // namespace mirvane
