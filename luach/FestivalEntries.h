#pragma once

#include <array>
#include <cstdint>

#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// The festival list as luach entries: English and Hebrew names as the
// program writes them, and a key made of the English name ("chanukah-day-1").
const std::array<TLuachEntry, FestivalCount>& FestivalEntries();

// The festival of every day of one year, by month and day, as an index into
// FestivalEntries (-1 for none), so that walking days costs no search.
class TYearFestivalIndex {
public:
    void Fill(const TJewishYear& Year);
    std::int32_t IndexOf(std::int32_t Month, std::int32_t Day) const;

private:
    std::array<std::array<std::int8_t, 31>, 14> Indexes{};
};

}  // namespace mirvane
