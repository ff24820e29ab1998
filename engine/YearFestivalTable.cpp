#include "engine/YearFestivalTable.h"

#include "engine/Festivals.h"
#include "engine/JewishYear.h"

namespace mirvane {

void TYearFestivalTable::Fill(const TJewishYear& Year)
{
    Names = {};
    // In table order, so that where several entries hold on one day the last
    // one wins, as it does in FestivalOfDay.
    for (const TFestival& Festival : Festivals) {
        if (Festival.Month >= 1 && Festival.Month <= 13 && Festival.Day >= 1 && Festival.Day <= 30 &&
            Year.FestivalApplies(Festival))
            Names[static_cast<std::size_t>(Festival.Month)][static_cast<std::size_t>(Festival.Day)] = Festival.Name;
    }
}

std::string_view TYearFestivalTable::NameOf(std::int32_t Month, std::int32_t Day) const
{
    if (Month < 1 || Month > 13 || Day < 1 || Day > 30)
        return {};
    return Names[static_cast<std::size_t>(Month)][static_cast<std::size_t>(Day)];
}

}  // namespace mirvane
