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

TLearningEntries::TLearningEntries(const std::bitset<16>& Cycles)
{
    for (std::size_t Index = 0; Index < AllLearningCycles.size(); ++Index) {
        if (!Cycles.test(Index))
            continue;
        const TLearningCycle Cycle = AllLearningCycles[Index];
        TCycleEntry& Chose = Chosen.emplace_back();
        Chose.Cycle = Index;
        Chose.Entry.Category = TLuachCategory::Learning;
        Chose.Entry.Key = Keys()[Index];
        Chose.Entry.English.assign(LearningCycleName(Cycle)).append(": ");
        Chose.Entry.Hebrew.assign(LearningCycleHebrewName(Cycle)).append(": ");
        Chose.EnglishLead = Chose.Entry.English.size();
        Chose.HebrewLead = Chose.Entry.Hebrew.size();
    }
}

void TLearningEntries::AddOn(TDateTime Day, std::vector<const TLuachEntry*>& Found)
{
    static const auto Epoch = static_cast<std::int64_t>(EncodeDate(1970, 1, 1));
    const std::chrono::sys_days Civil{std::chrono::days{static_cast<std::int64_t>(Day) - Epoch}};
    for (TCycleEntry& Chose : Chosen) {
        TLuachEntry& Entry = Chose.Entry;
        const TLearningCycle Cycle = AllLearningCycles[Chose.Cycle];
        if (Cycle == TLearningCycle::DafYomi) {
            if (!DafYomi.WriteOn(Civil, Entry.English, Chose.EnglishLead, Entry.Hebrew, Chose.HebrewLead))
                continue;
            Entry.Reading.assign(Entry.English, Chose.EnglishLead);
        } else {
            const std::optional<TLearningReading> Reading = LearningReadingOn(Cycle, Civil);
            if (!Reading)
                continue;
            Entry.English.resize(Chose.EnglishLead);
            Entry.English.append(Reading->English);
            Entry.Hebrew.resize(Chose.HebrewLead);
            Entry.Hebrew.append(Reading->Hebrew);
            Entry.Reading.assign(Reading->English);
        }
        Found.push_back(&Entry);
    }
}

}  // namespace mirvane
