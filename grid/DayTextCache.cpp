#include "grid/DayTextCache.h"

namespace mirvane {

std::string TDayTextCache::DayText(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    if (Calculator.Year != Year)
        Calculator.SetYear(Year);
    if (ScheduleDiaspora != Diaspora) {
        Calculator.PortionsReady = false;
        ScheduleDiaspora = Diaspora;
    }
    return Calculator.DayText(Month, Day);
}

}  // namespace mirvane
