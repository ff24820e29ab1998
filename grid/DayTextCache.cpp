#include "grid/DayTextCache.h"

#include "engine/HebrewDateText.h"

namespace mirvane {

std::string TDayTextCache::DayText(std::int32_t Year, std::int32_t Month, std::int32_t Day, bool Hebrew)
{
    if (Calculator.Year != Year)
        Calculator.SetYear(Year);
    if (ScheduleDiaspora != Diaspora) {
        Calculator.PortionsReady = false;
        ScheduleDiaspora = Diaspora;
    }
    return Hebrew ? HebrewDayText(Calculator, Month, Day) : Calculator.DayText(Month, Day);
}

}  // namespace mirvane
