#include "times/CivilDay.h"

namespace mirvane {

using namespace std::chrono;

TDateTime DateTimeOfDay(sys_days Day)
{
    const year_month_day Date{Day};
    return EncodeDate(static_cast<std::int32_t>(Date.year()), static_cast<std::int32_t>(static_cast<unsigned>(Date.month())),
                      static_cast<std::int32_t>(static_cast<unsigned>(Date.day())));
}

std::pair<sys_days, sys_days> MonthOfDay(sys_days Day)
{
    const year_month Month = year_month_day{Day}.year() / year_month_day{Day}.month();
    return {sys_days{Month / 1}, sys_days{Month / last}};
}

sys_days DayOfDateTime(TDateTime Value)
{
    const TGregorianDate Date = DecodeDate(Value);
    return year{Date.Year} / month{static_cast<unsigned>(Date.Month)} / day{static_cast<unsigned>(Date.Day)};
}

}  // namespace mirvane
