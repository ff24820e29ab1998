#include "learning/PageWalk.h"

#include <algorithm>

#include "learning/ReadingText.h"

namespace mirvane {

TPageWalk::TPageWalk(std::span<const TStudyBook> Books)
    : TPageWalk(Books, -1, 0)
{
}

TPageWalk::TPageWalk(std::span<const TStudyBook> Books, int ChangedIndex, int ChangedLast)
    : Books(Books)
{
    Starts.push_back(0);
    for (int Index = 0; Index < static_cast<int>(Books.size()); ++Index) {
        const int Last = Index == ChangedIndex ? ChangedLast : Books[Index].Last;
        Starts.push_back(Starts.back() + Last - Books[Index].First + 1);
    }
}

TLearningReading TPageWalk::PageAt(int Index) const
{
    TLearningReading Reading;
    WritePageAt(Index, Reading);
    return Reading;
}

void TPageWalk::WritePageAt(int Index, TLearningReading& Reading) const
{
    const TPlace Place = PlaceAt(Index);
    WritePageReading(Place.Book->English, Place.Book->Hebrew, Place.Page, Reading);
}

TPageWalk::TPlace TPageWalk::PlaceAt(int Index) const
{
    const auto After = std::upper_bound(Starts.begin(), Starts.end(), Index);
    const auto Which = static_cast<std::size_t>(After - Starts.begin() - 1);
    return {&Books[Which], Books[Which].First + Index - Starts[Which], *After - Index - 1};
}

TLearningReading PageReading(std::string_view English, std::string_view Hebrew, int Page)
{
    TLearningReading Reading;
    WritePageReading(English, Hebrew, Page, Reading);
    return Reading;
}

void WritePageReading(std::string_view English, std::string_view Hebrew, int Page, TLearningReading& Reading)
{
    Reading.English.assign(English).append(1, ' ');
    AppendNumber(Reading.English, Page);
    Reading.Hebrew.assign(Hebrew).append(1, ' ');
    AppendHebrewNumber(Reading.Hebrew, Page);
}

}  // namespace mirvane
