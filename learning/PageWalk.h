#pragma once

#include <span>
#include <vector>

#include "learning/LearningCycles.h"
#include "learning/StudyBook.h"

namespace mirvane {

// Finds the page a cycle reaches after a number of pages through a list of
// books, by binary search over where each book begins.
class TPageWalk {
public:
    explicit TPageWalk(std::span<const TStudyBook> Books);
    // The same list with one book ending elsewhere.
    TPageWalk(std::span<const TStudyBook> Books, int ChangedIndex, int ChangedLast);

    int PageCount() const { return Starts.back(); }
    // Index from 0 to PageCount() - 1.
    TLearningReading PageAt(int Index) const;
    // The same reading written into Reading, whose texts' storage is reused.
    void WritePageAt(int Index, TLearningReading& Reading) const;

    // The book the page at Index is in, the page's number there, and how
    // many pages of the book come after it.
    struct TPlace {
        const TStudyBook* Book = nullptr;
        int Page = 0;
        int PagesAfter = 0;
    };
    TPlace PlaceAt(int Index) const;

private:
    std::span<const TStudyBook> Books;
    std::vector<int> Starts;  // one more than Books: the last is the total
};

// "Sanhedrin 19" / "סנהדרין י״ט".
TLearningReading PageReading(std::string_view English, std::string_view Hebrew, int Page);
void WritePageReading(std::string_view English, std::string_view Hebrew, int Page, TLearningReading& Reading);

}  // namespace mirvane
