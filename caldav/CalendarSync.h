#pragma once

#include <QUrl>
#include <cstdint>
#include <filesystem>

#include "caldav/CalDavConnection.h"
#include "sync/SyncExtras.h"
#include "sync/SyncRun.h"

namespace mirvane {

// The name of the calendar Mirvane makes when none is chosen.
inline constexpr const char* MirvaneCalendarName = "Mirvane";

// One sync of the dates to remember in a store to a calendar.
struct TSyncRequest {
    TCalDavAccount Account;
    QUrl Calendar;  // empty: the account's calendar named "Mirvane", made if missing
    std::filesystem::path Store;
    std::int32_t FirstYear = 0;  // the Gregorian year the events begin
    std::int32_t Years = 5;
    bool PlainAdarIsAdar2 = true;
    TSyncExtras Extras;  // the festivals and times kept as well, if any
    bool DryRun = false;  // count what would be sent, send nothing, keep nothing
    bool Remove = false;  // remove all of Mirvane's events instead
};

struct TSyncReport {
    QUrl Calendar;
    TSyncOutcome Outcome;
    int Requests = 0;
};

// Reads the list, brings the calendar up to it and keeps what was sent in
// the store. Throws ESyncFailure, or ERememberStoreError for a store that
// cannot be read; the store is then not written at all.
TSyncReport SyncCalendar(const TSyncRequest& Request);

}  // namespace mirvane
