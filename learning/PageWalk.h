#pragma once

#include <span>
#include <vector>

#include "learning/LearningCycles.h"
#include "learning/TalmudTractates.h"

namespace mirvane {

// Finds the page a cycle reaches after a number of pages through a list of
// tractates, by binary search over where each tractate begins.
class TPageWalk {
public:
    explicit TPageWalk(std::span<const TTractatePages> Tractates);
    // The same list with one tractate ending elsewhere.
    TPageWalk(std::span<const TTractatePages> Tractates, int ChangedIndex, int ChangedLast);

    int PageCount() const { return Starts.back(); }
    // Index from 0 to PageCount() - 1.
    TLearningReading PageAt(int Index) const;

private:
    std::span<const TTractatePages> Tractates;
    std::vector<int> Starts;  // one more than Tractates: the last is the total
};

// "Sanhedrin 19" / "סנהדרין י״ט".
TLearningReading PageReading(std::string_view English, std::string_view Hebrew, int Page);

}  // namespace mirvane
