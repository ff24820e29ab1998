#include "learning/PageWalk.h"

#include <algorithm>
#include <charconv>

#include "engine/HebrewNumeral.h"

namespace mirvane {

TPageWalk::TPageWalk(std::span<const TTractatePages> Tractates)
    : TPageWalk(Tractates, -1, 0)
{
}

TPageWalk::TPageWalk(std::span<const TTractatePages> Tractates, int ChangedIndex, int ChangedLast)
    : Tractates(Tractates)
{
    Starts.push_back(0);
    for (int Index = 0; Index < static_cast<int>(Tractates.size()); ++Index) {
        const int Last = Index == ChangedIndex ? ChangedLast : Tractates[Index].Last;
        Starts.push_back(Starts.back() + Last - Tractates[Index].First + 1);
    }
}

TLearningReading TPageWalk::PageAt(int Index) const
{
    const auto After = std::upper_bound(Starts.begin(), Starts.end(), Index);
    const auto Which = static_cast<std::size_t>(After - Starts.begin() - 1);
    const TTractatePages& Tractate = Tractates[Which];
    return PageReading(Tractate.English, Tractate.Hebrew, Tractate.First + Index - Starts[Which]);
}

TLearningReading PageReading(std::string_view English, std::string_view Hebrew, int Page)
{
    char Digits[12];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, Page).ptr;
    TLearningReading Reading;
    Reading.English.reserve(English.size() + 1 + static_cast<std::size_t>(End - Digits));
    Reading.English.append(English).append(1, ' ').append(Digits, End);
    Reading.Hebrew.append(Hebrew).append(1, ' ').append(HebrewNumeral(Page));
    return Reading;
}

}  // namespace mirvane
