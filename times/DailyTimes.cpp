#include "times/DailyTimes.h"

#include "times/TimeZone.h"

namespace mirvane {
namespace {

using namespace std::chrono;

// Sunrise and sunset at sea level: the sun's upper edge on the horizon, 34
// minutes of refraction and a radius of 16 minutes.
constexpr double SeaLevelZenith = 90.0 + 34.0 / 60.0 + 16.0 / 60.0;
constexpr double DawnDepression = 16.1;
constexpr double MisheyakirDepression = 11.5;
constexpr double FastEndsDepression = 7.0 + 5.0 / 60.0;
// The Magen Avraham's day runs from 72 minutes before sunrise to 72 after
// sunset.
constexpr minutes MagenAvrahamMargin{72};

// The moment Hours of a day of twelve equal hours from Start to End have
// passed.
TInstant HoursInto(TInstant Start, TInstant End, double Hours)
{
    return Start + round<milliseconds>((End - Start) * (Hours / 12.0));
}

// Sets At to the crossing, or Why to the reason there is none.
void Take(const TSunCrossing& Crossing, bool Horizon, std::optional<TInstant>& At, TAbsence& Why)
{
    At = Crossing.At;
    if (At)
        Why = TAbsence::None;
    else if (Horizon)
        Why = Crossing.StaysHigher ? TAbsence::SunDoesNotSet : TAbsence::SunDoesNotRise;
    else
        Why = Crossing.StaysHigher ? TAbsence::NotDarkEnough : TAbsence::NotLightEnough;
}

std::optional<TInstant> HoursInto(const std::optional<TInstant>& Start, const std::optional<TInstant>& End, double Hours,
                                  minutes Margin = {})
{
    if (!Start || !End)
        return std::nullopt;
    return HoursInto(*Start - Margin, *End + Margin, Hours);
}

}  // namespace

std::optional<TInstant> EveningAtDepression(TInstant Transit, const TCoordinates& Where, double Depression)
{
    return SunAtZenith(Transit, Where, 90.0 + Depression, false);
}

TDailyTimes ComputeDailyTimes(sys_days Day, const TCoordinates& Where, const TTimeZone& Zone)
{
    // The day's transit is the one nearest noon on the local clocks, which
    // puts the right sun on the right date across the date line and at
    // offsets of more than twelve hours.
    const local_days LocalDay{Day.time_since_epoch()};
    const TInstant LocalNoon = time_point_cast<milliseconds>(Zone.InstantOf(LocalDay + hours{12}));
    TDailyTimes Times;
    Times.Chatzot = SolarTransitNear(LocalNoon, Where);
    const auto At = [&](double Zenith, bool Morning, std::optional<TInstant>& Time, TAbsence& Why) {
        Take(SunCrossing(Times.Chatzot, Where, Zenith, Morning), Zenith == SeaLevelZenith, Time, Why);
    };
    At(90.0 + DawnDepression, true, Times.Dawn, Times.Why.Dawn);
    At(90.0 + MisheyakirDepression, true, Times.Misheyakir, Times.Why.Misheyakir);
    At(SeaLevelZenith, true, Times.Sunrise, Times.Why.Sunrise);
    At(SeaLevelZenith, false, Times.Sunset, Times.Why.Sunset);
    At(90.0 + NightfallDepression, false, Times.Nightfall, Times.Why.Nightfall);
    At(90.0 + FastEndsDepression, false, Times.FastEnds, Times.Why.FastEnds);

    Times.SofZmanShmaGRA = HoursInto(Times.Sunrise, Times.Sunset, 3);
    Times.SofZmanTfilaGRA = HoursInto(Times.Sunrise, Times.Sunset, 4);
    Times.MinchaGedola = HoursInto(Times.Sunrise, Times.Sunset, 6.5);
    Times.MinchaKetana = HoursInto(Times.Sunrise, Times.Sunset, 9.5);
    Times.PlagHaMincha = HoursInto(Times.Sunrise, Times.Sunset, 10.75);
    Times.SofZmanShmaMGA = HoursInto(Times.Sunrise, Times.Sunset, 3, MagenAvrahamMargin);
    Times.SofZmanTfilaMGA = HoursInto(Times.Sunrise, Times.Sunset, 4, MagenAvrahamMargin);
    return Times;
}

}  // namespace mirvane
