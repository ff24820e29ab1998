#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <utility>
#include <vector>

#include "engine/JewishYear.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// Every luach entry of one Jewish year but the festivals and the learning,
// placed once per year and looked up by the day's place in the year, so
// that walking many days costs a lookup a day.
class TLuachYear {
public:
    // Year must have been set; its rules choose the national days.
    void Fill(const TJewishYear& Year);
    // The entries of the day Offset days after 1 Tishrei, in category order.
    std::span<const TLuachEntry> EntriesAt(std::int32_t Offset) const;
    std::int32_t YearNumber() const { return Number; }

private:
    static constexpr std::size_t MaxDays = 386;
    std::int32_t Number = 0;
    std::vector<TLuachEntry> Entries;
    // The entries as the year's rules add them, kept for their storage.
    std::vector<std::pair<std::int32_t, TLuachEntry>> Placed;
    std::array<std::uint16_t, MaxDays + 1> Starts{};
};

}  // namespace mirvane
