#include "learning/LearningCycles.h"

#include "learning/CycleReadings.h"

namespace mirvane {
namespace {

struct TCycleNames {
    std::string_view Key;
    std::string_view English;
    std::string_view Hebrew;
};

// In the order of TLearningCycle.
constexpr std::array<TCycleNames, AllLearningCycles.size()> CycleNames{{
    {"daf-yomi", "Daf Yomi", "דף יומי"},
    {"mishna-yomit", "Mishna Yomit", "משנה יומית"},
    {"nach-yomi", "Nach Yomi", "נ״ך יומי"},
    {"yerushalmi-vilna", "Yerushalmi Yomi (Vilna)", "ירושלמי יומי (וילנא)"},
    {"yerushalmi-schottenstein", "Yerushalmi Yomi (Schottenstein)", "ירושלמי יומי (שוטנשטיין)"},
    {"rambam-1", "Daily Rambam", "רמב״ם יומי"},
    {"rambam-3", "Daily Rambam (3 chapters)", "רמב״ם יומי (ג׳ פרקים)"},
    {"chofetz-chaim", "Chofetz Chaim", "חפץ חיים"},
    {"daf-weekly", "Daf a Week", "דף השבוע"},
}};

const TCycleNames& NamesOf(TLearningCycle Cycle)
{
    return CycleNames[static_cast<std::size_t>(Cycle)];
}

}  // namespace

std::string_view LearningCycleKey(TLearningCycle Cycle)
{
    return NamesOf(Cycle).Key;
}

std::string_view LearningCycleName(TLearningCycle Cycle)
{
    return NamesOf(Cycle).English;
}

std::string_view LearningCycleHebrewName(TLearningCycle Cycle)
{
    return NamesOf(Cycle).Hebrew;
}

std::optional<TLearningReading> LearningReadingOn(TLearningCycle Cycle, std::chrono::sys_days Day)
{
    if (Day > LastLearningDay)
        return std::nullopt;
    switch (Cycle) {
    case TLearningCycle::DafYomi:
        return DafYomiReading(Day);
    case TLearningCycle::MishnaYomit:
        return MishnaYomitReading(Day);
    case TLearningCycle::NachYomi:
        return NachYomiReading(Day);
    case TLearningCycle::YerushalmiVilna:
        return YerushalmiVilnaReading(Day);
    case TLearningCycle::YerushalmiSchottenstein:
        return YerushalmiSchottensteinReading(Day);
    case TLearningCycle::Rambam1:
        return Rambam1Reading(Day);
    case TLearningCycle::Rambam3:
        return Rambam3Reading(Day);
    case TLearningCycle::ChofetzChaim:
        return ChofetzChaimReading(Day);
    case TLearningCycle::DafWeekly:
        return DafWeeklyReading(Day);
    }
    return std::nullopt;
}

}  // namespace mirvane
