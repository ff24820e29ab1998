#pragma once

#include "times/SunPosition.h"

namespace mirvane {

// The minutes before sunset a place lights candles by its own custom: 40
// within 10 km of Jerusalem's centre, 30 within 10 km of Haifa's, 18
// elsewhere. By distance, so that typed coordinates, "West Jerusalem" and
// the city itself agree.
int DefaultCandleMinutes(const TCoordinates& Where);

// Kilometres along the earth's surface between two points (a sphere of the
// earth's mean radius: the 10 km above do not need more).
double DistanceKilometres(const TCoordinates& From, const TCoordinates& To);

}  // namespace mirvane
