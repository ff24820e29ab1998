#pragma once

#include <chrono>
#include <optional>
#include <string_view>
#include <vector>

#include "times/SunPosition.h"

namespace date {
class time_zone;
}

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
    const date::time_zone* Zone = nullptr;
    TTimesRules Rules;
};

// Which way a time is rounded when shown: a time not to be passed is never
// shown later than it is, one not to be anticipated never earlier.
enum class TRounding { Down, Nearest, Up };

// One time of a day's list: its key in the command line's files, its
// caption in the window, the moment (absent where the sun does not reach
// the angle) and the way it is rounded.
struct TDayTime {
    std::string_view Key;
    std::string_view Caption;
    std::optional<TInstant> At;
    TRounding Rounding = TRounding::Nearest;
};

// The thirteen daily times, always present in this order, then candle
// lighting, havdalah, fast begins and fast ends on the days they apply.
struct TDayTimes {
    std::chrono::sys_days Day;
    std::vector<TDayTime> Times;
};

// The daily times in the order the list shows them, for headers.
inline constexpr std::size_t DailyTimeCount = 13;

// Throws EConvertError for a day without a Jewish date.
TDayTimes ComputeDayTimes(std::chrono::sys_days Day, const TCoordinates& Where, const date::time_zone& Zone,
                          const TTimesRules& Rules);

// The keys of every time a day can list, in list order.
const std::vector<std::string_view>& DayTimeKeys();

}  // namespace mirvane
