#include "times/DayTimes.h"

#include "times/CivilDay.h"
#include "times/DailyTimes.h"
#include "times/DayObservances.h"

namespace mirvane {
namespace {

using namespace std::chrono;

// A moment of the day, or why there is none.
struct TMoment {
    std::optional<TInstant> At;
    TAbsence Why = TAbsence::None;
};

TMoment Offset(const TMoment& From, minutes By)
{
    if (!From.At)
        return From;
    return {*From.At + By};
}

// The end of a holy day by the chosen rule, which is also when candles are
// lit for a holy day that follows it.
TMoment HolyDayEnds(const TDailyTimes& Times, const TTimesRules& Rules)
{
    if (Rules.HavdalahMinutes == 0)
        return {Times.Nightfall, Times.Why.Nightfall};
    return Offset({Times.Sunset, Times.Why.Sunset}, minutes{Rules.HavdalahMinutes});
}

TDayTime Listed(std::string_view Key, std::string_view Caption, const TMoment& Moment, TRounding Rounding,
                bool BeginsNextDay = false)
{
    return {Key, Caption, Moment.At, Rounding, Moment.At ? TAbsence::None : Moment.Why, BeginsNextDay};
}

}  // namespace

const std::vector<std::string_view>& DayTimeKeys()
{
    static const std::vector<std::string_view> Keys{
        "alotHaShachar", "misheyakir",    "sunrise",      "sofZmanShmaMGA", "sofZmanShma", "sofZmanTfillaMGA",
        "sofZmanTfilla", "chatzot",       "minchaGedola", "minchaKetana",   "plagHaMincha", "sunset",
        "tzeit",         "candleLighting", "chanukahCandles", "havdalah",  "fastBegins",  "fastEnds"};
    return Keys;
}

TDayTimes ComputeDayTimes(sys_days Day, const TCoordinates& Where, const TTimeZone& Zone,
                          const TTimesRules& Rules)
{
    const TDayObservances Observances = ObservancesOf(DateTimeOfDay(Day), Rules.Diaspora);
    const TDailyTimes Times = ComputeDailyTimes(Day, Where, Zone);
    const TAbsence Hours = Times.Why.Hours();
    using enum TRounding;
    TDayTimes Result{Day,
                     {Listed("alotHaShachar", "Dawn", {Times.Dawn, Times.Why.Dawn}, Nearest),
                      Listed("misheyakir", "Earliest tallit and tefillin", {Times.Misheyakir, Times.Why.Misheyakir},
                             Nearest),
                      Listed("sunrise", "Sunrise", {Times.Sunrise, Times.Why.Sunrise}, Nearest),
                      Listed("sofZmanShmaMGA", "Latest Shma (Magen Avraham)", {Times.SofZmanShmaMGA, Hours}, Down),
                      Listed("sofZmanShma", "Latest Shma (Gra)", {Times.SofZmanShmaGRA, Hours}, Down),
                      Listed("sofZmanTfillaMGA", "Latest Shacharit (Magen Avraham)", {Times.SofZmanTfilaMGA, Hours},
                             Down),
                      Listed("sofZmanTfilla", "Latest Shacharit (Gra)", {Times.SofZmanTfilaGRA, Hours}, Down),
                      Listed("chatzot", "Midday", {Times.Chatzot}, Nearest),
                      Listed("minchaGedola", "Earliest Mincha", {Times.MinchaGedola, Hours}, Nearest),
                      Listed("minchaKetana", "Mincha Ketana", {Times.MinchaKetana, Hours}, Nearest),
                      Listed("plagHaMincha", "Plag HaMincha", {Times.PlagHaMincha, Hours}, Nearest),
                      Listed("sunset", "Sunset", {Times.Sunset, Times.Why.Sunset}, Nearest),
                      Listed("tzeit", "Nightfall", {Times.Nightfall, Times.Why.Nightfall}, Up)}};
    const TMoment Ends = HolyDayEnds(Times, Rules);
    // Candles lit after a holy day must not come before its end, so they are
    // rounded up as its end is.
    const TDayTime Candles =
        Observances.CandlesAfterNightfall
            ? Listed("candleLighting", "Candle lighting", Ends, Up, true)
            : Listed("candleLighting", "Candle lighting",
                     Offset({Times.Sunset, Times.Why.Sunset}, -minutes{Rules.CandleMinutes}), Down, true);
    // Chanukah's lights: before Shabbat's candles on a Friday, after
    // havdalah on a Saturday night, else at nightfall.
    std::optional<TDayTime> Chanukah;
    if (Observances.ChanukahCandles) {
        Chanukah = Observances.CandleLighting ? Candles
                   : Observances.Havdalah     ? Listed({}, {}, Ends, Up)
                                              : Listed({}, {}, {Times.Nightfall, Times.Why.Nightfall}, Up);
        Chanukah->Key = "chanukahCandles";
        Chanukah->Caption = "Chanukah candles";
        Chanukah->BeginsNextDay = true;
    }
    if (Chanukah && Observances.CandleLighting)
        Result.Times.push_back(*Chanukah);
    if (Observances.CandleLighting)
        Result.Times.push_back(Candles);
    if (Observances.Havdalah)
        Result.Times.push_back(Listed("havdalah", "Havdalah", Ends, Up));
    if (Chanukah && !Observances.CandleLighting)
        Result.Times.push_back(*Chanukah);
    if (Observances.FastBeginsAtDawn)
        Result.Times.push_back(Listed("fastBegins", "Fast begins", {Times.Dawn, Times.Why.Dawn}, Down));
    else if (Observances.FastBeginsAtSunset)
        Result.Times.push_back(Listed("fastBegins", "Fast begins", {Times.Sunset, Times.Why.Sunset}, Down, true));
    if (Observances.FastEnds)
        Result.Times.push_back(Listed("fastEnds", "Fast ends", {Times.FastEnds, Times.Why.FastEnds}, Up));
    return Result;
}

}  // namespace mirvane
