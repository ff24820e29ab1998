#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "engine/Weekdays.h"

namespace mirvane {

bool TJewishYear::FestivalApplies(const TFestival& Festival) const
{
    const auto WeekdayIs = [&](std::int32_t Weekday) { return WeekdayOf(Festival.Month, Festival.Day) == Weekday; };
    switch (Festival.Rule) {
    case RuleFullFestival:
    case RuleMinorDay:
        return true;
    case RuleDiasporaOnly:
        return FRules == TRules::Diaspora;
    case RuleNotSaturday:
        return !WeekdayIs(Weekday::Saturday);
    case RuleSunday:
        return WeekdayIs(Weekday::Sunday);
    case RuleCommonYear:
        return !IsLeap;
    case RuleLeapYear:
        return IsLeap;
    case RuleLongKislev:
        return DaysInMonth(Kislev) != 29;
    case RuleShortKislev:
        return DaysInMonth(Kislev) != 30;
    case RuleNotSaturdayCommonYear:
        return !WeekdayIs(Weekday::Saturday) && !IsLeap;
    case RuleNotSaturdayLeapYear:
        return !WeekdayIs(Weekday::Saturday) && IsLeap;
    case RuleThursdayCommonYear:
        return WeekdayIs(Weekday::Thursday) && !IsLeap;
    case RuleThursdayLeapYear:
        return WeekdayIs(Weekday::Thursday) && IsLeap;
    default:
        return false;
    }
}

std::int32_t TJewishYear::FestivalIndexOfDay(std::int32_t Month, std::int32_t Day) const
{
    // The last entry that holds wins.
    std::int32_t Found = -1;
    for (std::size_t Index = 0; Index < Festivals.size(); ++Index) {
        const TFestival& Festival = Festivals[Index];
        if (Festival.Month == Month && Festival.Day == Day && FestivalApplies(Festival))
            Found = static_cast<std::int32_t>(Index);
    }
    return Found;
}

std::string TJewishYear::FestivalOfDay(std::int32_t Month, std::int32_t Day) const
{
    const std::int32_t Index = FestivalIndexOfDay(Month, Day);
    return Index < 0 ? std::string() : std::string(Festivals[static_cast<std::size_t>(Index)].Name);
}

std::optional<TJewishDate> TJewishYear::FindFestival(std::string_view Name) const
{
    std::optional<TJewishDate> Found;
    for (const TFestival& Festival : Festivals) {
        if (Festival.Name == Name && FestivalApplies(Festival))
            Found = TJewishDate{Year, Festival.Month, Festival.Day};
    }
    return Found;
}

}  // namespace mirvane
