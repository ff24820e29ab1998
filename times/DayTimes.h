#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "times/DailyTimes.h"
#include "times/SunPosition.h"
#include "times/TimeZone.h"

namespace mirvane {

// The user's choices for the times of holy days.
struct TTimesRules {
    int CandleMinutes = 18;   // before sunset
    int HavdalahMinutes = 0;  // after sunset; 0 for the sun 8.5 degrees below the horizon
    bool Diaspora = true;
};

inline constexpr int MaxRuleMinutes = 120;

// A place the times are computed for: where, on which clocks, and by which
// of the user's rules.
struct TTimesSite {
    TCoordinates Where;
    const TTimeZone* Zone = nullptr;
    TTimesRules Rules;
};

// Which way a time is rounded when shown: a time not to be passed is never
// shown later than it is, one not to be anticipated never earlier. So
// candles lit before sunset are rounded down, and candles, Chanukah's lights
// and havdalah at the end of a holy day up, like nightfall itself.
enum class TRounding { Down, Nearest, Up };

// One time of a day's list: its key in the command line's files, its
// caption in the window, the moment (absent where the sun does not reach
// the angle, and Why) and the way it is rounded. A time that opens the next
// day's occasion (candles, Chanukah's lights, the fast of Tisha B'Av at
// sunset) says so, for lists that name the occasion beside it. A time can
// fall after local midnight, on the next date, far north.
struct TDayTime {
    std::string_view Key;
    std::string_view Caption;
    std::optional<TInstant> At;
    TRounding Rounding = TRounding::Nearest;
    TAbsence Why = TAbsence::None;
    bool BeginsNextDay = false;
};

// The thirteen daily times, always present in this order, then candle
// lighting, Chanukah's lights, havdalah, fast begins and fast ends on the
// days they apply (Chanukah's lights come before candles on a Friday, and
// after havdalah on a Saturday night).
struct TDayTimes {
    std::chrono::sys_days Day;
    std::vector<TDayTime> Times;
};

// The daily times in the order the list shows them, for headers.
inline constexpr std::size_t DailyTimeCount = 13;

// Throws EConvertError for a day without a Jewish date. Day must be one
// the zone's calendar has (TTimeZone::HasDay): a list leaves out the others.
TDayTimes ComputeDayTimes(std::chrono::sys_days Day, const TCoordinates& Where, const TTimeZone& Zone,
                          const TTimesRules& Rules);

// The keys of every time a day can list, in list order.
const std::vector<std::string_view>& DayTimeKeys();

}  // namespace mirvane
