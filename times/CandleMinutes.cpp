#include "times/CandleMinutes.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "times/DayTimes.h"

namespace mirvane {
namespace {

constexpr double EarthRadiusKilometres = 6371.0088;
constexpr double CustomRadiusKilometres = 10;

struct TCityCustom {
    TCoordinates Centre;  // as GeoNames places it
    int CandleMinutes;
};

constexpr TCityCustom CityCustoms[] = {
    {{31.76904, 35.21633}, 40},  // Jerusalem
    {{32.81841, 34.98850}, 30},  // Haifa
};

double Radians(double Degrees)
{
    return Degrees * std::numbers::pi / 180;
}

}  // namespace

double DistanceKilometres(const TCoordinates& From, const TCoordinates& To)
{
    // The haversine form stays exact for the short distances asked here.
    const double Latitude = Radians(To.Latitude - From.Latitude);
    const double Longitude = Radians(To.Longitude - From.Longitude);
    const double Half = std::pow(std::sin(Latitude / 2), 2) + std::cos(Radians(From.Latitude)) *
                                                                 std::cos(Radians(To.Latitude)) *
                                                                 std::pow(std::sin(Longitude / 2), 2);
    return 2 * EarthRadiusKilometres * std::asin(std::sqrt(std::clamp(Half, 0.0, 1.0)));
}

int DefaultCandleMinutes(const TCoordinates& Where)
{
    for (const TCityCustom& City : CityCustoms)
        if (DistanceKilometres(Where, City.Centre) <= CustomRadiusKilometres)
            return City.CandleMinutes;
    return TTimesRules{}.CandleMinutes;
}

}  // namespace mirvane
