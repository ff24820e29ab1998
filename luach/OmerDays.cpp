#include "luach/LuachYearBuilder.h"
#include "luach/OmerCount.h"

namespace mirvane {

// Day N is counted on the evening that begins 15 + N Nissan; it is shown on
// that day's daytime.
void AddOmer(TLuachYearBuilder& Builder)
{
    const std::int32_t Before = Builder.Offset(Nissan, 15);
    for (std::int32_t Day = 1; Day <= 49; ++Day) {
        Builder.Add(Before + Day, TLuachCategory::Omer, "omer", OmerDayText(Day), HebrewOmerDayText(Day));
        Builder.Last().OmerDay = Day;
    }
}

}  // namespace mirvane
