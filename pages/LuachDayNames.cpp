#include "pages/LuachDayNames.h"

#include <algorithm>
#include <map>

#include "luach/LuachYear.h"

namespace mirvane {
namespace {

bool FoundLikeFestivals(TLuachCategory Category)
{
    return Category == TLuachCategory::RoshChodesh || Category == TLuachCategory::Modern ||
           Category == TLuachCategory::Minor;
}

std::int32_t YearLength(const TJewishYear& Year)
{
    return Year.DaysBeforeMonth(Elul) + Year.DaysInMonth(Elul);
}

// Twenty-eight years hold every kind of year, the days kept only in some of
// them, and the one Birkat HaChamah of a cycle.
std::vector<TLuachDayName> CollectNames(TRules Rules)
{
    constexpr std::int32_t FirstYear = 5784;
    constexpr std::int32_t Years = 29;
    std::map<std::string, std::pair<std::int32_t, std::string>> Earliest;  // by name: offset, Hebrew
    TJewishYear Year(Rules);
    TLuachYear Luach;
    for (std::int32_t Number = FirstYear; Number < FirstYear + Years; ++Number) {
        Year.SetYear(Number);
        Luach.Fill(Year);
        for (std::int32_t Offset = 0; Offset < YearLength(Year); ++Offset)
            for (const TLuachEntry& Entry : Luach.EntriesAt(Offset)) {
                if (!FoundLikeFestivals(Entry.Category))
                    continue;
                auto [At, New] = Earliest.try_emplace(Entry.English, Offset, Entry.Hebrew);
                if (!New && Offset < At->second.first)
                    At->second.first = Offset;
            }
    }
    std::vector<std::pair<std::int32_t, TLuachDayName>> Ordered;
    for (auto& [English, Place] : Earliest)
        Ordered.push_back({Place.first, {English, Place.second}});
    std::stable_sort(Ordered.begin(), Ordered.end(),
                     [](const auto& Left, const auto& Right) { return Left.first < Right.first; });
    std::vector<TLuachDayName> Names;
    for (auto& [Offset, Name] : Ordered)
        Names.push_back(std::move(Name));
    return Names;
}

}  // namespace

const std::vector<TLuachDayName>& LuachDayNames(TRules Rules)
{
    static const std::vector<TLuachDayName> Diaspora = CollectNames(TRules::Diaspora);
    static const std::vector<TLuachDayName> Israel = CollectNames(TRules::Israel);
    return Rules == TRules::Israel ? Israel : Diaspora;
}

namespace {

// The other name of the day whose Known name is Name, under either rules.
std::string_view NameBeside(std::string_view Name, std::string TLuachDayName::*Known,
                            std::string TLuachDayName::*Wanted)
{
    for (TRules Rules : {TRules::Diaspora, TRules::Israel})
        for (const TLuachDayName& Day : LuachDayNames(Rules))
            if (Day.*Known == Name)
                return Day.*Wanted;
    return {};
}

}  // namespace

std::string_view LuachDayHebrewName(std::string_view English)
{
    return NameBeside(English, &TLuachDayName::English, &TLuachDayName::Hebrew);
}

std::string_view LuachDayEnglishName(std::string_view Hebrew)
{
    return NameBeside(Hebrew, &TLuachDayName::Hebrew, &TLuachDayName::English);
}

std::optional<TJewishDate> FindLuachDay(const TJewishYear& Year, std::string_view English)
{
    TLuachYear Luach;
    Luach.Fill(Year);
    for (std::int32_t Offset = 0; Offset < YearLength(Year); ++Offset)
        for (const TLuachEntry& Entry : Luach.EntriesAt(Offset))
            if (FoundLikeFestivals(Entry.Category) && Entry.English == English)
                return DateTimeToJewish(Year.NewYearDate + Offset);
    return std::nullopt;
}

}  // namespace mirvane
