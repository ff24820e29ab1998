#pragma once

#include <span>

#include "learning/StudyBook.h"

namespace mirvane {

// The Babylonian Talmud in the order the page cycles learn it. Shekalim is
// printed with the Jerusalem Talmud's 22 pages; the cycles before 1975 took
// the 13 of the older print (ShortShekalimLast).
std::span<const TStudyBook> BabylonianTractates();
inline constexpr int ShekalimIndex = 4;
inline constexpr int ShortShekalimLast = 13;

// The Jerusalem Talmud by the pages of the Vilna print, and by those of the
// Schottenstein edition.
std::span<const TStudyBook> YerushalmiVilnaTractates();
std::span<const TStudyBook> YerushalmiSchottensteinTractates();

}  // namespace mirvane
