#include "export/FestivalEvents.h"

#include <algorithm>

#include "engine/Festivals.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"

namespace mirvane {

TIcsEvent FestivalEvent(TDateTime Date, const TJewishDate& Jewish, const std::string& Name)
{
    return {Date, Name + " (" + JewishDateTextIn(Jewish, false) + ")", IcsUid(Date, "festival", Name)};
}

std::vector<TIcsEvent> FestivalEventsBetween(TDateTime First, TDateTime Last, TRules Rules)
{
    std::vector<TIcsEvent> Events;
    TJewishYear Year(Rules);
    for (std::int32_t Number = DateTimeToJewish(First).Year; Number <= DateTimeToJewish(Last).Year; ++Number) {
        Year.SetYear(Number);
        for (const TFestival& Festival : Festivals) {
            if (!Year.FestivalApplies(Festival))
                continue;
            const TDateTime Date = JewishToDateTime(Number, Festival.Month, Festival.Day);
            if (Date >= First && Date <= Last)
                Events.push_back(FestivalEvent(Date, {Number, Festival.Month, Festival.Day}, std::string(Festival.Name)));
        }
    }
    // A Jewish year's table runs from Nissan, though the year begins in Tishrei.
    std::stable_sort(Events.begin(), Events.end(),
                     [](const TIcsEvent& Left, const TIcsEvent& Right) { return Left.Date < Right.Date; });
    return Events;
}

}  // namespace mirvane
