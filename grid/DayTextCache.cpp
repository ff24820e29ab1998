#include "grid/DayTextCache.h"

#include "engine/HebrewDateText.h"

namespace mirvane {

TJewishYear& TDayTextCache::CalculatorFor(std::int32_t Year)
{
    if (Calculator.Year != Year)
        Calculator.SetYear(Year);
    if (ScheduleDiaspora != Diaspora) {
        Calculator.PortionsReady = false;
        ScheduleDiaspora = Diaspora;
    }
    return Calculator;
}

std::string TDayTextCache::DayText(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    return CalculatorFor(Year).DayText(Month, Day);
}

std::string TDayTextCache::HebrewDayText(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    return mirvane::HebrewDayText(CalculatorFor(Year), Month, Day);
}

}  // namespace mirvane
