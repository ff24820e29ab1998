#include "engine/CivilNames.h"

#include <cstddef>

#include "engine/GregorianDateText.h"
#include "engine/NameTables.h"

namespace mirvane {

const TCivilNames& EnglishCivilNames()
{
    static const TCivilNames Names = [] {
        TCivilNames English;
        for (std::size_t Day = 0; Day < English.Weekdays.size(); ++Day)
            English.Weekdays[Day] = DayNames[Day];
        for (std::size_t Month = 0; Month < English.ShortMonths.size(); ++Month)
            English.ShortMonths[Month] = GregorianMonthShort[Month];
        English.LongDate = [](TDateTime Value) { return GregorianDateText(Value); };
        return English;
    }();
    return Names;
}

}  // namespace mirvane
