#include "luach/FestivalEntries.h"

#include "engine/HebrewNames.h"

namespace mirvane {
namespace {

// Lower case letters and digits, one '-' for every run of anything else.
std::string KeyOf(std::string_view Name)
{
    std::string Key;
    for (char Letter : Name) {
        if (Letter == '\'')
            continue;
        const bool Alnum = (Letter >= 'a' && Letter <= 'z') || (Letter >= '0' && Letter <= '9');
        if (Letter >= 'A' && Letter <= 'Z')
            Key += static_cast<char>(Letter - 'A' + 'a');
        else if (Alnum)
            Key += Letter;
        else if (!Key.empty() && Key.back() != '-')
            Key += '-';
    }
    while (!Key.empty() && Key.back() == '-')
        Key.pop_back();
    return Key;
}

}  // namespace

const std::array<TLuachEntry, FestivalCount>& FestivalEntries()
{
    static const std::array<std::string, FestivalCount> Keys = [] {
        std::array<std::string, FestivalCount> Made;
        for (std::size_t Index = 0; Index < FestivalCount; ++Index)
            Made[Index] = KeyOf(Festivals[Index].Name);
        return Made;
    }();
    static const std::array<TLuachEntry, FestivalCount> Entries = [] {
        std::array<TLuachEntry, FestivalCount> Made;
        for (std::size_t Index = 0; Index < FestivalCount; ++Index) {
            Made[Index].Category = TLuachCategory::Festival;
            Made[Index].Key = Keys[Index];
            Made[Index].English = std::string(Festivals[Index].Name);
            Made[Index].Hebrew = std::string(HebrewFestivalNames[Index]);
        }
        return Made;
    }();
    return Entries;
}

void TYearFestivalIndex::Fill(const TJewishYear& Year)
{
    for (auto& Month : Indexes)
        Month.fill(-1);
    // Where several entries hold on one day the last wins, as in the grid.
    for (std::size_t Index = 0; Index < FestivalCount; ++Index) {
        const TFestival& Festival = Festivals[Index];
        if (Year.FestivalApplies(Festival))
            Indexes[static_cast<std::size_t>(Festival.Month)][static_cast<std::size_t>(Festival.Day)] =
                static_cast<std::int8_t>(Index);
    }
}

std::int32_t TYearFestivalIndex::IndexOf(std::int32_t Month, std::int32_t Day) const
{
    if (Month < 1 || Month > 13 || Day < 1 || Day > 30)
        return -1;
    return Indexes[static_cast<std::size_t>(Month)][static_cast<std::size_t>(Day)];
}

}  // namespace mirvane
