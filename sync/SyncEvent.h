#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "remember/RememberEntry.h"

namespace mirvane {

// One event the user's calendar should hold: a day of a date to remember as
// its own calendar object.
struct TSyncEvent {
    // "mirvane-ID-YYYYMMDD@mirvane": the entry's id and the day, so an edit
    // of the entry replaces its events instead of adding others.
    std::string Uid;
    std::int64_t EntryId = 0;
    // What the event says, hashed: equal digests need no upload.
    std::string Digest;
    // The whole calendar object, as PUT sends it.
    std::string Text;
};

// The property that marks an event as Mirvane's, with the entry's id.
inline constexpr const char* EntryProperty = "X-MIRVANE-ENTRY";
// The property that marks the calendar's own days a sync may keep beside
// the dates to remember, with which of them ("festivals" or "candles"): ours,
// though no entry is behind them.
inline constexpr const char* SourceProperty = "X-MIRVANE-SOURCE";
// The property that carries an event's digest, so that an upload whose
// answer was lost is recognised on the next sync.
inline constexpr const char* DigestProperty = "X-MIRVANE-DIGEST";

// The most years a calendar is kept ahead, and the default.
inline constexpr std::int32_t MaxSyncYears = 50;
inline constexpr std::int32_t DefaultSyncYears = 5;

// What an event says, hashed: the same on every machine and run.
std::string EventDigest(const std::string& What);

// Every day of every entry from the Gregorian year FirstYear through
// FirstYear + Years (the same days as an export of Years + 1 years), each
// with its days-before as an alarm, in the order of the export.
std::vector<TSyncEvent> WantedSyncEvents(const std::vector<TRememberEntry>& Entries, std::int32_t FirstYear,
                                         std::int32_t Years, bool PlainAdarIsAdar2);

}  // namespace mirvane
