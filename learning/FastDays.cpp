#include "learning/FastDays.h"

#include "engine/DateConversion.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days DateTimeZero{year{1899} / December / day{30}};
constexpr std::int32_t Tishrei = 7;
constexpr std::int32_t Av = 5;
constexpr std::int32_t Saturday = 7;

TDateTime DateTimeOf(sys_days Day)
{
    return static_cast<TDateTime>((Day - DateTimeZero).count());
}

struct TYearFasts {
    std::int32_t Year;
    TDateTime YomKippur;
    TDateTime TishaBeAv;
};

// Both fasts fall in the same Jewish year as the day, Yom Kippur first.
TYearFasts FastsOfYearOf(TDateTime Day)
{
    const std::int32_t Year = DateTimeToJewish(Day).Year;
    const TDateTime NinthOfAv = JewishToDateTime(Year, Av, 9);
    return {Year, JewishToDateTime(Year, Tishrei, 10), DayOfWeek(NinthOfAv) == Saturday ? NinthOfAv + 1 : NinthOfAv};
}

// The fast days from a fixed point before the calendar's years up to Day.
std::int64_t FastDaysBefore(TDateTime Day)
{
    const TYearFasts Fasts = FastsOfYearOf(Day);
    return std::int64_t{2} * Fasts.Year + (Fasts.YomKippur < Day) + (Fasts.TishaBeAv < Day);
}

}  // namespace

bool IsMajorFastDay(sys_days Day)
{
    const TDateTime Value = DateTimeOf(Day);
    const TYearFasts Fasts = FastsOfYearOf(Value);
    return Value == Fasts.YomKippur || Value == Fasts.TishaBeAv;
}

std::int64_t MajorFastDaysBetween(sys_days From, sys_days To)
{
    return FastDaysBefore(DateTimeOf(To)) - FastDaysBefore(DateTimeOf(From));
}

}  // namespace mirvane
