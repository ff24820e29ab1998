#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// One event or row of a file brought in, before it is shaped into an entry.
// Each reader fills what its format says and leaves the rest unset for the
// grouping to decide.
struct TImportedEvent {
    std::string Title;
    std::string Note;
    std::string Uid;
    // Where it is in the file ("line 12") and the date as written, for the
    // preview.
    std::string Place;
    std::string DateText;
    // The day it is on; or a Jewish date when the file gives one. Neither,
    // with DateText set, is a date that does not exist.
    std::optional<TGregorianDate> Gregorian;
    std::optional<TJewishDate> Jewish;
    std::optional<TRememberKind> Recurs;
    std::optional<TOccasionWhat> What;
    std::optional<bool> AfterSunset;
    std::optional<std::int32_t> DaysBefore;
    // Our own export's entry id: its events are one entry.
    std::string EntryKey;
    // Our own export's customs of the entry, by property name
    // ("X-MIRVANE-ADAR").
    std::map<std::string, std::string> Customs;
};

}  // namespace mirvane

namespace mirvane {

// What a reader found in a file: its events, or why it could not read it
// (Failure, and then no events).
struct TImportRead {
    std::vector<TImportedEvent> Events;
    std::string Failure;
};

}  // namespace mirvane
