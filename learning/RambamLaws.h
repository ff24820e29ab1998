#pragma once

#include <span>
#include <string_view>

#include "learning/StudyBook.h"

namespace mirvane {

// A day's reading written out whole, for the days that read no chapters.
struct TLearningReadingText {
    std::string_view English;
    std::string_view Hebrew;
};

// The laws of the Mishneh Torah in order, from the Foundations of the Torah,
// with their chapters.
std::span<const TStudyBook> RambamLaws();
// The introduction and the list of the commandments that open each round
// before the laws, a day to each part: as the one-chapter cycle divides them,
// and as the three-chapter cycle does.
std::span<const TLearningReadingText> RambamOneChapterOpening();
std::span<const TLearningReadingText> RambamThreeChapterOpening();

// A chapter each cycle learns on the day of the chapter before it, not a
// day's chapter of its own: the one-chapter cycle reads the Order of Prayer
// 4-5 on one day, and the three-chapter cycle the Passover Haggadah with the
// last chapter of Leavened and Unleavened Bread.
struct TRambamChapter {
    std::string_view Laws;
    int Chapter = 1;
};
inline constexpr TRambamChapter OneChapterRider{"The Order of Prayer", 5};
inline constexpr TRambamChapter ThreeChapterRider{"Leavened and Unleavened Bread", 9};

}  // namespace mirvane
