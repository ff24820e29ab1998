#include "learning/PageWalk.h"

#include <algorithm>
#include <charconv>

#include "engine/HebrewNumeral.h"

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
    const auto After = std::upper_bound(Starts.begin(), Starts.end(), Index);
    const auto Which = static_cast<std::size_t>(After - Starts.begin() - 1);
    const TStudyBook& Book = Books[Which];
    return PageReading(Book.English, Book.Hebrew, Book.First + Index - Starts[Which]);
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
