#pragma once

#include <span>
#include <string_view>

namespace mirvane {

// A tractate as a page cycle walks it: the pages from First to Last. The
// small tractates printed after Meilah go on with its page numbers.
struct TTractatePages {
    std::string_view English;
    std::string_view Hebrew;
    int First = 2;
    int Last = 2;
};

// The Babylonian Talmud in the order the page cycles learn it. Shekalim is
// printed with the Jerusalem Talmud's 22 pages; the cycles before 1975 took
// the 13 of the older print (ShortShekalimLast).
std::span<const TTractatePages> BabylonianTractates();
inline constexpr int ShekalimIndex = 4;
inline constexpr int ShortShekalimLast = 13;

}  // namespace mirvane
