#include "luach/LuachYear.h"

#include <algorithm>
#include <array>
#include <utility>

#include "luach/LuachYearBuilder.h"

namespace mirvane {

void TLuachYear::Fill(const TJewishYear& Year)
{
    TJewishYear Working = Year;
    TLuachYearBuilder Builder(Working, Placed);
    AddRoshChodesh(Builder);
    AddOmer(Builder);
    AddSpecialShabbatot(Builder);
    AddMevarchim(Builder);
    AddModernDays(Builder);
    AddMinorDays(Builder);
    // A counting sort by day: each entry is moved once, and within a day the
    // categories keep the order they were added in.
    Number = Year.Year;
    Starts.fill(0);
    const std::span<std::pair<std::int32_t, TLuachEntry>> Added(Placed.data(), Builder.Count);
    for (const auto& [At, Entry] : Added)
        if (At >= 0 && At < static_cast<std::int32_t>(MaxDays))
            ++Starts[static_cast<std::size_t>(At) + 1];
    for (std::size_t Day = 1; Day <= MaxDays; ++Day)
        Starts[Day] = static_cast<std::uint16_t>(Starts[Day] + Starts[Day - 1]);
    Entries.resize(Starts[MaxDays]);
    std::array<std::uint16_t, MaxDays> Next{};
    std::copy(Starts.begin(), Starts.end() - 1, Next.begin());
    // Swapped, not moved: last year's texts' storage goes back to Placed.
    for (auto& [At, Entry] : Added)
        if (At >= 0 && At < static_cast<std::int32_t>(MaxDays))
            std::swap(Entries[Next[static_cast<std::size_t>(At)]++], Entry);
}

std::span<const TLuachEntry> TLuachYear::EntriesAt(std::int32_t Offset) const
{
    if (Offset < 0 || Offset >= static_cast<std::int32_t>(MaxDays))
        return {};
    const std::size_t Start = Starts[static_cast<std::size_t>(Offset)];
    const std::size_t End = Starts[static_cast<std::size_t>(Offset) + 1];
    return std::span<const TLuachEntry>(Entries).subspan(Start, End - Start);
}

}  // namespace mirvane
