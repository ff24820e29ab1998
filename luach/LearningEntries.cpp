#include "luach/LearningEntries.h"

#include <array>
#include <chrono>

#include "learning/LearningCycles.h"

namespace mirvane {
namespace {

const std::array<std::string_view, AllLearningCycles.size()>& Keys()
{
    static const auto Table = [] {
        std::array<std::string_view, AllLearningCycles.size()> Found{};
        for (std::size_t Index = 0; Index < AllLearningCycles.size(); ++Index)
            Found[Index] = LearningCycleKey(AllLearningCycles[Index]);
        return Found;
    }();
    return Table;
}

}  // namespace

std::span<const std::string_view> LearningCycleKeys()
{
    return Keys();
}

void AddLearningEntries(std::vector<TLuachEntry>& Entries, const std::bitset<16>& Cycles, TDateTime Day)
{
    static const auto Epoch = static_cast<std::int64_t>(EncodeDate(1970, 1, 1));
    const std::chrono::sys_days Civil{std::chrono::days{static_cast<std::int64_t>(Day) - Epoch}};
    for (std::size_t Index = 0; Index < AllLearningCycles.size(); ++Index) {
        if (!Cycles.test(Index))
            continue;
        const TLearningCycle Cycle = AllLearningCycles[Index];
        std::optional<TLearningReading> Reading = LearningReadingOn(Cycle, Civil);
        if (!Reading)
            continue;
        TLuachEntry& Entry = Entries.emplace_back();
        Entry.Category = TLuachCategory::Learning;
        Entry.Key = Keys()[Index];
        Entry.English = std::string(LearningCycleName(Cycle)) + ": " + Reading->English;
        Entry.Hebrew = std::string(LearningCycleHebrewName(Cycle)) + ": " + Reading->Hebrew;
        Entry.Reading = std::move(Reading->English);
    }
}

}  // namespace mirvane
