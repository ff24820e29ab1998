#include "times/DayTimes.h"

#include <date/tz.h>

#include "times/CivilDay.h"
#include "times/DailyTimes.h"
#include "times/DayObservances.h"

namespace mirvane {
namespace {

using namespace std::chrono;

std::optional<TInstant> Offset(const std::optional<TInstant>& At, minutes By)
{
    if (!At)
        return std::nullopt;
    return *At + By;
}

// The end of a holy day by the chosen rule, which is also when candles are
// lit for a holy day that follows it.
std::optional<TInstant> HolyDayEnds(const TDailyTimes& Times, const TTimesRules& Rules)
{
    if (Rules.HavdalahMinutes == 0)
        return Times.Nightfall;
    return Offset(Times.Sunset, minutes{Rules.HavdalahMinutes});
}

}  // namespace

const std::vector<std::string_view>& DayTimeKeys()
{
    static const std::vector<std::string_view> Keys{
        "alotHaShachar", "misheyakir",    "sunrise",      "sofZmanShmaMGA", "sofZmanShma", "sofZmanTfillaMGA",
        "sofZmanTfilla", "chatzot",       "minchaGedola", "minchaKetana",   "plagHaMincha", "sunset",
        "tzeit",         "candleLighting", "havdalah",    "fastBegins",     "fastEnds"};
    return Keys;
}

TDayTimes ComputeDayTimes(sys_days Day, const TCoordinates& Where, const date::time_zone& Zone,
                          const TTimesRules& Rules)
{
    const TDayObservances Observances = ObservancesOf(DateTimeOfDay(Day), Rules.Diaspora);
    const TDailyTimes Times = ComputeDailyTimes(Day, Where, Zone);
    using enum TRounding;
    TDayTimes Result{Day,
                     {{"alotHaShachar", "Dawn", Times.Dawn, Nearest},
                      {"misheyakir", "Earliest tallit and tefillin", Times.Misheyakir, Nearest},
                      {"sunrise", "Sunrise", Times.Sunrise, Nearest},
                      {"sofZmanShmaMGA", "Latest Shma (Magen Avraham)", Times.SofZmanShmaMGA, Down},
                      {"sofZmanShma", "Latest Shma (Gra)", Times.SofZmanShmaGRA, Down},
                      {"sofZmanTfillaMGA", "Latest Shacharit (Magen Avraham)", Times.SofZmanTfilaMGA, Down},
                      {"sofZmanTfilla", "Latest Shacharit (Gra)", Times.SofZmanTfilaGRA, Down},
                      {"chatzot", "Midday", Times.Chatzot, Nearest},
                      {"minchaGedola", "Earliest Mincha", Times.MinchaGedola, Nearest},
                      {"minchaKetana", "Mincha Ketana", Times.MinchaKetana, Nearest},
                      {"plagHaMincha", "Plag HaMincha", Times.PlagHaMincha, Nearest},
                      {"sunset", "Sunset", Times.Sunset, Nearest},
                      {"tzeit", "Nightfall", Times.Nightfall, Up}}};
    if (Observances.CandleLighting) {
        const std::optional<TInstant> At = Observances.CandlesAfterNightfall
                                               ? HolyDayEnds(Times, Rules)
                                               : Offset(Times.Sunset, -minutes{Rules.CandleMinutes});
        Result.Times.push_back({"candleLighting", "Candle lighting", At, Down});
    }
    if (Observances.Havdalah)
        Result.Times.push_back({"havdalah", "Havdalah", HolyDayEnds(Times, Rules), Up});
    if (Observances.FastBeginsAtDawn || Observances.FastBeginsAtSunset)
        Result.Times.push_back(
            {"fastBegins", "Fast begins", Observances.FastBeginsAtDawn ? Times.Dawn : Times.Sunset, Down});
    if (Observances.FastEnds)
        Result.Times.push_back({"fastEnds", "Fast ends", Times.FastEnds, Up});
    return Result;
}

}  // namespace mirvane
