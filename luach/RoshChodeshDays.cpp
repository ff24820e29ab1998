#include "luach/LuachYearBuilder.h"

namespace mirvane {

// Every month but Tishrei begins with Rosh Chodesh; after a month of 30 days
// its 30th is the first of two, named for the coming month.
void AddRoshChodesh(TLuachYearBuilder& Builder)
{
    TJewishYear& Year = Builder.Year;
    for (std::size_t Index = 1; Index < MonthsInYearOrder.size(); ++Index) {
        const std::int32_t Month = MonthsInYearOrder[Index];
        if (Year.DaysInMonth(Month) == 0)
            continue;
        std::int32_t Previous = MonthsInYearOrder[Index - 1];
        if (Year.DaysInMonth(Previous) == 0)
            Previous = MonthsInYearOrder[Index - 2];
        const std::string English = "Rosh Chodesh " + LuachMonthName(Year, Month);
        const std::string Hebrew = "ראש חודש " + LuachHebrewMonthName(Year, Month);
        const std::int32_t First = Builder.Offset(Month, 1);
        std::int32_t DayOfFirst = 1;
        if (Year.DaysInMonth(Previous) == 30) {
            Builder.Add(First - 1, TLuachCategory::RoshChodesh, "rosh-chodesh", English, Hebrew);
            Builder.Last().Month = Month;
            Builder.Last().RoshChodeshDay = 1;
            DayOfFirst = 2;
        }
        Builder.Add(First, TLuachCategory::RoshChodesh, "rosh-chodesh", English, Hebrew);
        Builder.Last().Month = Month;
        Builder.Last().RoshChodeshDay = DayOfFirst;
    }
}

}  // namespace mirvane
