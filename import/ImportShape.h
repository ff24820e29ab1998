#pragma once

#include <map>
#include <string>
#include <vector>

#include "import/ImportedEvent.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// An entry the file holds, or why it cannot be one.
struct TImportCandidate {
    TRememberEntry Entry;
    std::string Place;    // "line 3", "events 1, 5 and 9"
    std::string Problem;  // empty when Entry can be added
};

// The entries the events stand for:
// - the events of one entry of our own export are that entry again;
// - an event whose recurrence the file states is one entry of it;
// - events that some programs write one a year for a yahrzeit or birthday
//   (the same title once an ordinal or a bracketed date is set aside, UIDs
//   that differ only in the year, days that keep one Jewish date) are one
//   entry recurring on that Jewish date; its year is the first event's less
//   the ordinal. So is a single event whose title or note names its kind.
//   Title and note give the kind and "after sunset";
// - anything else is one entry for its day only, of kind Other.
std::vector<TImportCandidate> ShapeEntries(std::vector<TImportedEvent> Events);

// "Yahrzeit", "Birthday" or "Anniversary" named in Text, in any case.
std::optional<TOccasionWhat> WhatSaidIn(std::string_view Text);

// The title without ordinals ("36th") and bracketed parts.
std::string TitleWithoutYear(std::string_view Title);

}  // namespace mirvane
