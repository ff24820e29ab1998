#pragma once

#include <chrono>
#include <optional>

namespace mirvane {

// Instants are kept to the millisecond in UTC; the times of day are shown to
// the minute or the second, so the finer unit only keeps rounding honest.
using TInstant = std::chrono::sys_time<std::chrono::milliseconds>;

// Where the sun is seen from: degrees north and east.
struct TCoordinates {
    double Latitude = 0;
    double Longitude = 0;
};

// The sun's path over one day by NOAA's solar calculator: the transit nearest
// an instant, and the moments before and after it when the sun's centre
// stands at a zenith distance (90 degrees plus refraction and its radius for
// sunrise, 90 plus the depression for the dawn and nightfall angles). The
// hour angle is refined with the sun's place at the moment found, until it
// no longer moves.
TInstant SolarTransitNear(TInstant Near, const TCoordinates& Where);

// Nothing when the sun stays above or below that zenith distance all day
// (polar day and night, summer nights far north).
std::optional<TInstant> SunAtZenith(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning);

}  // namespace mirvane
