#pragma once

#include "engine/DateServices.h"

namespace mirvane {

// What a civil day holds besides its daily times, under the Diaspora or the
// Israel rules: candles are lit before a holy day (Shabbat or a festival day
// on which work is forbidden) begins, havdalah ends one that no other holy
// day follows, and fasts begin and end.
struct TDayObservances {
    bool CandleLighting = false;
    // Lit at the end of the holy day this day already is, never before
    // nightfall: the second night of a festival, or one after Shabbat.
    bool CandlesAfterNightfall = false;
    bool Havdalah = false;
    bool ChanukahCandles = false;     // the evening before a day of Chanukah
    bool FastBeginsAtDawn = false;    // the minor fasts
    bool FastBeginsAtSunset = false;  // the eve of Tisha B'Av
    bool FastEnds = false;            // not on Yom Kippur, which ends with havdalah, nor into Shabbat

    bool operator==(const TDayObservances&) const = default;
};

// Throws EConvertError for a day without a Jewish date (before
// FirstConvertibleDate(), or after the last the calendar reaches).
TDayObservances ObservancesOf(TDateTime Day, bool DiasporaRules);

}  // namespace mirvane
