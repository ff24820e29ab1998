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

// The sun's centre at a zenith distance on the way down from a transit to
// the next lower culmination (or up to it from the one before, in the
// morning), however near either end: far north it may be after local
// midnight. Absent when the sun stays nearer the zenith all that half day
// (it does not set, or get dark enough) or farther (it does not rise, or get
// light enough).
struct TSunCrossing {
    std::optional<TInstant> At;
    bool StaysHigher = false;  // why it is absent
};
TSunCrossing SunCrossing(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning);

// SunCrossing's moment alone.
std::optional<TInstant> SunAtZenith(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning);

}  // namespace mirvane
