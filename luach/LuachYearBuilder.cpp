#include "luach/LuachYearBuilder.h"

#include "engine/HebrewNames.h"

namespace mirvane {

TLuachYearBuilder::TLuachYearBuilder(TJewishYear& NewYear,
                                     std::vector<std::pair<std::int32_t, TLuachEntry>>& NewPlaced)
    : Year(NewYear)
    , Placed(NewPlaced)
{
}

std::int32_t TLuachYearBuilder::Offset(std::int32_t Month, std::int32_t Day) const
{
    return Year.DaysBeforeMonth(Month) + Day - 1;
}

std::int32_t TLuachYearBuilder::Length() const
{
    return Year.DaysBeforeMonth(Elul) + Year.DaysInMonth(Elul);
}

std::int32_t TLuachYearBuilder::WeekdayAt(std::int32_t At) const
{
    return ((Year.NewYearWeekday - 1 + At) % 7 + 7) % 7 + 1;
}

std::int32_t TLuachYearBuilder::SaturdayOnOrBefore(std::int32_t At) const
{
    return At - WeekdayAt(At) % 7;
}

std::int32_t TLuachYearBuilder::MonthAt(std::int32_t At) const
{
    std::int32_t Found = Tishrei;
    for (std::int32_t Month : MonthsInYearOrder)
        if (Year.DaysInMonth(Month) > 0 && Year.DaysBeforeMonth(Month) <= At)
            Found = Month;
    return Found;
}

void TLuachYearBuilder::Add(std::int32_t At, TLuachCategory Category, std::string_view Key,
                            std::string_view English, std::string_view Hebrew)
{
    if (Count == Placed.size())
        Placed.emplace_back();
    auto& [Day, Entry] = Placed[Count++];
    Day = At;
    Entry.Category = Category;
    Entry.Key = Key;
    Entry.English.assign(English);
    Entry.Hebrew.assign(Hebrew);
    Entry.Month = 0;
    Entry.RoshChodeshDay = 0;
    Entry.OmerDay = 0;
    Entry.Molad.reset();
    Entry.Reading.clear();
}

std::string LuachMonthName(const TJewishYear& Year, std::int32_t Month)
{
    if (Year.IsLeap && Month == Adar)
        return "Adar I";
    if (Month == Adar2)
        return "Adar II";
    return std::string(JewishMonthNames[static_cast<std::size_t>(Month)]);
}

std::string LuachHebrewMonthName(const TJewishYear& Year, std::int32_t Month)
{
    const TMonthNameTable& Names = Year.IsLeap ? HebrewMonthNamesLeap : HebrewMonthNames;
    return std::string(Names[static_cast<std::size_t>(Month)]);
}

}  // namespace mirvane
