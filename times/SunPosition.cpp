// NOAA's low-precision solar formulas (after Meeus), good to well under a
// minute for the centuries either side of now.
#include "times/SunPosition.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace mirvane {
namespace {

using namespace std::chrono;

constexpr double DegreesPerRadian = 180.0 / std::numbers::pi;
constexpr double MinutesPerDay = 1440.0;
// The Julian day of the Unix epoch, and of J2000.0.
constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double J2000 = 2451545.0;
constexpr int Refinements = 5;

double Sin(double Degrees) { return std::sin(Degrees / DegreesPerRadian); }
double Cos(double Degrees) { return std::cos(Degrees / DegreesPerRadian); }

// The two things the day's times need from the sun's place at an instant.
struct TSunPlace {
    double Declination = 0;     // degrees
    double EquationOfTime = 0;  // minutes, true solar minus mean solar time
};

double JulianCenturies(TInstant At)
{
    const double Days = duration<double, days::period>(At.time_since_epoch()).count();
    return (Days + UnixEpochJulianDay - J2000) / 36525.0;
}

TSunPlace SunPlace(TInstant At)
{
    const double T = JulianCenturies(At);
    const double MeanLongitude = std::fmod(280.46646 + T * (36000.76983 + T * 0.0003032), 360.0);
    const double MeanAnomaly = 357.52911 + T * (35999.05029 - 0.0001537 * T);
    const double Eccentricity = 0.016708634 - T * (0.000042037 + 0.0000001267 * T);
    const double Centre = Sin(MeanAnomaly) * (1.914602 - T * (0.004817 + 0.000014 * T)) +
                          Sin(2 * MeanAnomaly) * (0.019993 - 0.000101 * T) + Sin(3 * MeanAnomaly) * 0.000289;
    const double Omega = 125.04 - 1934.136 * T;
    const double ApparentLongitude = MeanLongitude + Centre - 0.00569 - 0.00478 * Sin(Omega);
    const double MeanObliquity = 23.0 + (26.0 + (21.448 - T * (46.815 + T * (0.00059 - T * 0.001813))) / 60.0) / 60.0;
    const double Obliquity = MeanObliquity + 0.00256 * Cos(Omega);

    TSunPlace Place;
    Place.Declination = std::asin(Sin(Obliquity) * Sin(ApparentLongitude)) * DegreesPerRadian;
    const double Y = std::pow(std::tan(Obliquity / 2 / DegreesPerRadian), 2);
    const double Radians = Y * Sin(2 * MeanLongitude) - 2 * Eccentricity * Sin(MeanAnomaly) +
                           4 * Eccentricity * Y * Sin(MeanAnomaly) * Cos(2 * MeanLongitude) -
                           0.5 * Y * Y * Sin(4 * MeanLongitude) - 1.25 * Eccentricity * Eccentricity * Sin(2 * MeanAnomaly);
    Place.EquationOfTime = 4 * Radians * DegreesPerRadian;
    return Place;
}

// How far At is past the moment the sun's hour angle is HourAngle degrees
// (negative in the morning), in minutes between -720 and 720.
double MinutesPast(TInstant At, double HourAngle, const TCoordinates& Where, const TSunPlace& Place)
{
    const double UtcMinutes = duration<double, minutes::period>(At.time_since_epoch()).count();
    const double SolarMinutes = UtcMinutes + Place.EquationOfTime + 4 * Where.Longitude;
    return std::remainder(SolarMinutes - (720.0 + 4 * HourAngle), MinutesPerDay);
}

TInstant MovedBy(TInstant At, double Minutes)
{
    return At - round<milliseconds>(duration<double, minutes::period>(Minutes));
}

// The hour angle at which the sun's centre is Zenith degrees from the
// zenith; nothing when it never is that day.
std::optional<double> HourAngleAt(double Zenith, double Latitude, double Declination)
{
    const double Cosine = (Cos(Zenith) - Sin(Latitude) * Sin(Declination)) / (Cos(Latitude) * Cos(Declination));
    if (!(Cosine >= -1.0 && Cosine <= 1.0))
        return std::nullopt;
    return std::acos(Cosine) * DegreesPerRadian;
}

// The sun's centre's distance from the zenith at At, in degrees.
double ZenithDistance(TInstant At, const TCoordinates& Where)
{
    const TSunPlace Place = SunPlace(At);
    const double HourAngle = MinutesPast(At, 0, Where, Place) / 4.0;
    const double Cosine = Sin(Where.Latitude) * Sin(Place.Declination) +
                          Cos(Where.Latitude) * Cos(Place.Declination) * Cos(HourAngle);
    return std::acos(std::clamp(Cosine, -1.0, 1.0)) * DegreesPerRadian;
}

// The quick answer: the hour angle of the zenith distance, refined with the
// sun's place at the moment found. It fails where the sun only just reaches
// the angle, as the declination at the first guess may not allow it.
std::optional<TInstant> RefinedCrossing(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning)
{
    TInstant At = Transit;
    for (int Step = 0; Step < Refinements; ++Step) {
        const TSunPlace Place = SunPlace(At);
        const std::optional<double> HourAngle = HourAngleAt(Zenith, Where.Latitude, Place.Declination);
        if (!HourAngle)
            return std::nullopt;
        const double Wanted = Morning ? -*HourAngle : *HourAngle;
        At = MovedBy(At, MinutesPast(At, Wanted, Where, Place));
    }
    return At;
}

// The sun's lowest point before (Morning) or after the transit.
TInstant LowerCulmination(TInstant Transit, const TCoordinates& Where, bool Morning)
{
    TInstant At = Transit + (Morning ? -hours{12} : hours{12});
    for (int Step = 0; Step < Refinements; ++Step)
        At = MovedBy(At, MinutesPast(At, 180, Where, SunPlace(At)));
    return At;
}

}  // namespace

TInstant SolarTransitNear(TInstant Near, const TCoordinates& Where)
{
    TInstant Transit = Near;
    for (int Step = 0; Step < Refinements; ++Step)
        Transit = MovedBy(Transit, MinutesPast(Transit, 0, Where, SunPlace(Transit)));
    return Transit;
}

TSunCrossing SunCrossing(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning)
{
    // The event belongs to the half day of this transit.
    const TInstant Lowest = LowerCulmination(Transit, Where, Morning);
    const std::optional<TInstant> Quick = RefinedCrossing(Transit, Where, Zenith, Morning);
    if (Quick && std::chrono::abs(*Quick - Transit) <= std::chrono::abs(Lowest - Transit))
        return {Quick};
    if (ZenithDistance(Transit, Where) > Zenith)
        return {std::nullopt, false};
    if (ZenithDistance(Lowest, Where) < Zenith)
        return {std::nullopt, true};
    // The distance grows steadily from the transit to the lowest point:
    // halve the interval down to the millisecond.
    TInstant Near = Transit;
    TInstant Far = Lowest;
    while (std::chrono::abs(Far - Near) > milliseconds{1}) {
        const TInstant Middle = Near + (Far - Near) / 2;
        (ZenithDistance(Middle, Where) < Zenith ? Near : Far) = Middle;
    }
    return {Far};
}

std::optional<TInstant> SunAtZenith(TInstant Transit, const TCoordinates& Where, double Zenith, bool Morning)
{
    return SunCrossing(Transit, Where, Zenith, Morning).At;
}

}  // namespace mirvane
