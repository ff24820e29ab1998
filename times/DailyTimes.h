#pragma once

#include <chrono>
#include <optional>

#include "times/SunPosition.h"

namespace mirvane {

class TTimeZone;

// Why a time of the day is absent.
enum class TAbsence {
    None,
    SunDoesNotSet,   // the midnight sun: no sunset, nor the times counted from it
    SunDoesNotRise,  // the polar night
    NotDarkEnough,   // the sun never gets as far below the horizon as the time's angle
    NotLightEnough,  // the sun stays farther below the horizon than the angle all day
};

// The day's times as KosherJava's ComplexZmanimCalendar defines them at sea
// level. Each is absent when the sun does not reach its angle that day, and
// with sunrise or sunset absent so is every time counted from them.
struct TDailyTimes {
    std::optional<TInstant> Dawn;          // 16.1 degrees below the horizon, morning
    std::optional<TInstant> Misheyakir;    // 11.5 degrees, morning
    std::optional<TInstant> Sunrise;       // sea level
    std::optional<TInstant> SofZmanShmaMGA;
    std::optional<TInstant> SofZmanShmaGRA;
    std::optional<TInstant> SofZmanTfilaMGA;
    std::optional<TInstant> SofZmanTfilaGRA;
    TInstant Chatzot;                      // the sun's transit
    std::optional<TInstant> MinchaGedola;
    std::optional<TInstant> MinchaKetana;
    std::optional<TInstant> PlagHaMincha;
    std::optional<TInstant> Sunset;        // sea level
    std::optional<TInstant> Nightfall;     // 8.5 degrees, evening
    std::optional<TInstant> FastEnds;      // 7.083 degrees, evening

    // Why each time the sun's angle gives is absent, where it is.
    struct TAbsences {
        TAbsence Dawn = TAbsence::None;
        TAbsence Misheyakir = TAbsence::None;
        TAbsence Sunrise = TAbsence::None;
        TAbsence Sunset = TAbsence::None;
        TAbsence Nightfall = TAbsence::None;
        TAbsence FastEnds = TAbsence::None;
        // The times counted from sunrise to sunset.
        TAbsence Hours() const { return Sunrise != TAbsence::None ? Sunrise : Sunset; }
    } Why;
};

// The sun's depressions below the horizon the times use, in degrees.
inline constexpr double NightfallDepression = 8.5;

// The times of Day, a date on the clocks of Zone at Where.
TDailyTimes ComputeDailyTimes(std::chrono::sys_days Day, const TCoordinates& Where, const TTimeZone& Zone);

// The moment the sun is Depression degrees below the horizon in the evening
// of the day whose transit is Transit.
std::optional<TInstant> EveningAtDepression(TInstant Transit, const TCoordinates& Where, double Depression);

}  // namespace mirvane
