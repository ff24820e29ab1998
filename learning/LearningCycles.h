#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace mirvane {

// The daily and weekly study cycles people keep, each on its own schedule.
enum class TLearningCycle {
    DafYomi,
    MishnaYomit,
    NachYomi,
    YerushalmiVilna,
    YerushalmiSchottenstein,
    Rambam1,
    Rambam3,
    ChofetzChaim,
    DafWeekly
};

inline constexpr std::array<TLearningCycle, 9> AllLearningCycles{
    TLearningCycle::DafYomi,         TLearningCycle::MishnaYomit,
    TLearningCycle::NachYomi,        TLearningCycle::YerushalmiVilna,
    TLearningCycle::YerushalmiSchottenstein, TLearningCycle::Rambam1,
    TLearningCycle::Rambam3,         TLearningCycle::ChofetzChaim,
    TLearningCycle::DafWeekly};

// The stable key a cycle is chosen by on the command line and in the stored
// settings: "daf-yomi", "mishna-yomit", "nach-yomi", "yerushalmi-vilna",
// "yerushalmi-schottenstein", "rambam-1", "rambam-3", "chofetz-chaim",
// "daf-weekly".
std::string_view LearningCycleKey(TLearningCycle Cycle);
// "Daf Yomi", "Mishna Yomit", ... in English.
std::string_view LearningCycleName(TLearningCycle Cycle);
std::string_view LearningCycleHebrewName(TLearningCycle Cycle);

// A day's portion: the book and the place in it, as "Sanhedrin 19",
// "Berakhot 1:1-2" or "Joshua 1", and in Hebrew ("סנהדרין י״ט").
struct TLearningReading {
    std::string English;
    std::string Hebrew;
};

// The calendar's dates end with 9999, and so do the readings.
inline constexpr std::chrono::sys_days LastLearningDay{std::chrono::year{9999} / std::chrono::December /
                                                       std::chrono::day{31}};

// Nothing before the cycle's first day or on a day it skips, and nothing
// after LastLearningDay. Day = a civil day.
std::optional<TLearningReading> LearningReadingOn(TLearningCycle Cycle, std::chrono::sys_days Day);

}  // namespace mirvane
