#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>

#include "engine/DateServices.h"
#include "engine/Rules.h"
#include "times/DayTimes.h"

namespace mirvane {

// The candle lighting, havdalah and fast times of a day as the month grid's
// text column adds them ("Candles 16:12  Havdalah 17:25", in Hebrew under
// the Hebrew Names option), at one place, kept once worked out: a page is
// painted again and again. Which days they fall on follows the process-wide
// Diaspora flag, whoever changed it.
class TDayTimesText {
public:
    // The place, or nothing for no times at all.
    void SetSite(const std::optional<TTimesSite>& Site);
    bool HasSite() const { return Site.has_value(); }
    // The place's minutes of candle lighting before sunset; 0 without one.
    int CandleMinutes() const { return Site ? Site->Rules.CandleMinutes : 0; }

    // Empty on a day without such times, without a place, and for a day
    // without a Jewish date.
    std::string TimesText(TDateTime Day, TRules Rules, bool Hebrew);

private:
    std::optional<TTimesSite> Site;
    TRules KeptRules = TRules::Diaspora;
    std::unordered_map<std::int64_t, std::string> Kept;  // by day, twice for the Hebrew texts
};

}  // namespace mirvane
