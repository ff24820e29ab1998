#pragma once

#include <cstdint>

#include "engine/DateServices.h"

namespace mirvane {

struct TJewishDate {
    std::int32_t Year = 0;
    std::int32_t Month = 0;  // 1 = Nissan ... 12 = Adar (Adar I), 13 = Adar II
    std::int32_t Day = 0;
    bool operator==(const TJewishDate&) const = default;
};

// The earliest date with a known Jewish date: 1 November of year 2, which is
// 9 Cheshvan 3763. Earlier dates fall in years with no new-year date.
TDateTime FirstConvertibleDate();

// Day need not lie inside the month: 0 is the day before the 1st, and a day
// past the month's end runs into the following months. Throws EConvertError
// "Invalid Jewish Month" when Month is not a month of Year, and "Invalid
// argument to date encode" for years above 13775. Years 1 to 3762 have no
// new-year date and give meaningless values.
TDateTime JewishToDateTime(std::int32_t Year, std::int32_t Month, std::int32_t Day);

// The Jewish date of the whole day of Value. Throws EConvertError "Invalid
// argument to date encode" for dates before FirstConvertibleDate() and after
// the last year the calendar reaches, and for values that are not dates.
TJewishDate DateTimeToJewish(TDateTime Value);
void DateTimeToJewish(TDateTime Value, std::int32_t& Year, std::int32_t& Month, std::int32_t& Day);

}  // namespace mirvane
