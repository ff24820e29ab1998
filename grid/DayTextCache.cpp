#include "grid/DayTextCache.h"

#include "engine/HebrewDateText.h"

namespace mirvane {

std::string TDayTextCache::DayText(std::int32_t Year, std::int32_t Month, std::int32_t Day, TRules Rules,
                                   bool Hebrew)
{
    if (Calculator.Year != Year)
        Calculator.SetYear(Year);
    Calculator.SetRules(Rules);
    return Hebrew ? HebrewDayText(Calculator, Month, Day) : Calculator.DayText(Month, Day);
}

}  // namespace mirvane
