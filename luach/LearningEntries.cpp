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

TLearningEntries::TLearningEntries(const std::bitset<16>& NewCycles)
    : Cycles(NewCycles)
{
}

std::span<const TLuachEntry> TLearningEntries::On(TDateTime Day)
{
    std::size_t Count = 0;
    static const auto Epoch = static_cast<std::int64_t>(EncodeDate(1970, 1, 1));
    const std::chrono::sys_days Civil{std::chrono::days{static_cast<std::int64_t>(Day) - Epoch}};
    for (std::size_t Index = 0; Index < AllLearningCycles.size(); ++Index) {
        if (!Cycles.test(Index))
            continue;
        const TLearningCycle Cycle = AllLearningCycles[Index];
        std::optional<TLearningReading> Computed;
        const TLearningReading* Reading = nullptr;
        if (Cycle == TLearningCycle::DafYomi) {
            Reading = DafYomi.ReadingOn(Civil);
        } else {
            Computed = LearningReadingOn(Cycle, Civil);
            Reading = Computed ? &*Computed : nullptr;
        }
        if (!Reading)
            continue;
        if (Count == Entries.size())
            Entries.emplace_back();
        TLuachEntry& Entry = Entries[Count++];
        // The entry kept from the day before usually names the same cycle:
        // only the reading after its name is written again.
        if (Entry.Key != Keys()[Index]) {
            Entry.Category = TLuachCategory::Learning;
            Entry.Key = Keys()[Index];
            Entry.English.assign(LearningCycleName(Cycle)).append(": ");
            Entry.Hebrew.assign(LearningCycleHebrewName(Cycle)).append(": ");
            NameLengths[Index] = {Entry.English.size(), Entry.Hebrew.size()};
        }
        Entry.English.resize(NameLengths[Index].first);
        Entry.English.append(Reading->English);
        Entry.Hebrew.resize(NameLengths[Index].second);
        Entry.Hebrew.append(Reading->Hebrew);
        Entry.Reading.assign(Reading->English);
    }
    return {Entries.data(), Count};
}

}  // namespace mirvane
