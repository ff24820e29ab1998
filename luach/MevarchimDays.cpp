#include "engine/Weekdays.h"
#include "luach/LuachYearBuilder.h"
#include "luach/MoladAnnouncement.h"

namespace mirvane {

// The Shabbat among the 23rd to the 29th of every month but Elul blesses the
// coming month and announces its molad; Tishrei is not blessed.
void AddMevarchim(TLuachYearBuilder& Builder)
{
    TJewishYear& Year = Builder.Year;
    for (std::size_t Index = 0; Index + 1 < MonthsInYearOrder.size(); ++Index) {
        const std::int32_t Month = MonthsInYearOrder[Index];
        if (Month == Elul || Year.DaysInMonth(Month) == 0)
            continue;
        std::int32_t Coming = MonthsInYearOrder[Index + 1];
        if (Year.DaysInMonth(Coming) == 0)
            Coming = MonthsInYearOrder[Index + 2];
        const std::int32_t At = Builder.SaturdayOnOrBefore(Builder.Offset(Month, 29));
        const std::optional<TMoonTime> Molad = Year.MonthMolad(Coming);
        if (!Molad)
            continue;
        const TMoladClock Clock = Molad->Clock();
        const std::string Name = LuachMonthName(Year, Coming);
        const std::string HebrewName = LuachHebrewMonthName(Year, Coming);
        Builder.Add(At, TLuachCategory::Mevarchim, "mevarchim",
                    "Shabbat Mevarchim " + Name + ". " + MoladAnnouncement(Name, Clock),
                    "שבת מברכים " + HebrewName + ". " + HebrewMoladAnnouncement(HebrewName, Clock));
        Builder.Last().Month = Coming;
        Builder.Last().Molad = Clock;
    }
}

}  // namespace mirvane
