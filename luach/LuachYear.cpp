#include "luach/LuachYear.h"

#include <algorithm>

#include "luach/LuachYearBuilder.h"

namespace mirvane {

void TLuachYear::Fill(const TJewishYear& Year)
{
    TJewishYear Working = Year;
    TLuachYearBuilder Builder(Working);
    AddRoshChodesh(Builder);
    AddOmer(Builder);
    AddSpecialShabbatot(Builder);
    AddMevarchim(Builder);
    AddModernDays(Builder);
    AddMinorDays(Builder);
    // Categories were added in their order; a stable sort keeps it within a day.
    std::stable_sort(Builder.Placed.begin(), Builder.Placed.end(),
                     [](const auto& Left, const auto& Right) {
                         if (Left.first != Right.first)
                             return Left.first < Right.first;
                         return Left.second.Category < Right.second.Category;
                     });
    Number = Year.Year;
    Entries.clear();
    Starts.fill(0);
    std::size_t Next = 0;
    for (std::size_t Day = 0; Day <= MaxDays; ++Day) {
        Starts[Day] = static_cast<std::uint16_t>(Entries.size());
        // Rules never place a day outside the year; should one, it is dropped.
        while (Next < Builder.Placed.size() && Builder.Placed[Next].first < static_cast<std::int32_t>(Day))
            ++Next;
        while (Next < Builder.Placed.size() && Builder.Placed[Next].first == static_cast<std::int32_t>(Day))
            Entries.push_back(std::move(Builder.Placed[Next++].second));
    }
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
