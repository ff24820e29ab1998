#pragma once

#include <optional>
#include <vector>

#include "engine/Rules.h"
#include "sync/SyncEvent.h"
#include "times/DayTimes.h"

namespace mirvane {

// What a sync keeps beside the dates to remember, each off unless chosen.
struct TSyncExtras {
    bool Festivals = false;
    TRules Rules = TRules::Diaspora;
    // The place whose candle lighting, havdalah and fast times are kept.
    std::optional<TTimesSite> Candles;
    // The first day kept; they run through the same day a year on, and a
    // day gone by leaves the calendar.
    TDateTime From = 0;
};

// The festivals and the times chosen, each as its own calendar object with
// a UID of its own: the export's UID of that event, so a day's event keeps
// its UID from one sync to the next. Throws EConvertError for a day without
// a Jewish date.
std::vector<TSyncEvent> ExtraSyncEvents(const TSyncExtras& Extras);

}  // namespace mirvane
