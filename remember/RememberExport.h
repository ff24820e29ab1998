#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/DateServices.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// One day on which an entry falls, as a calendar file holds it.
struct TRememberEvent {
    std::int64_t Id = 0;
    TDateTime Date = 0;
    std::string Occasion;
    std::string JewishDate;  // JewishDateText of Date
    std::string Summary;     // "Yahrzeit: OCCASION (JewishDate)", without the kind for Other
    TOccasionWhat What = TOccasionWhat::Other;
    // The entry as it is defined, for a program (this one) that reads the
    // file back: X-MIRVANE-... properties, by name.
    std::vector<std::pair<std::string, std::string>> Definition;
    // The date, the occasion and the entry's date (IcsUid): importing the
    // file again updates the event instead of adding it twice.
    std::string Uid;
};

// The most years one export covers.
inline constexpr std::int32_t MaxExportYears = 200;

// Every day of every entry in the Gregorian years FirstYear to
// FirstYear + Years - 1 (at most 9999), by date, then occasion, then id.
std::vector<TRememberEvent> RememberEvents(const std::vector<TRememberEntry>& Entries, std::int32_t FirstYear,
                                           std::int32_t Years, bool PlainAdarIsAdar2);

// An RFC 5545 calendar of the events, as every calendar file of the program
// is written: one all-day event a day, DTEND the next day; the kind is its
// category ("Yahrzeit"), and its definition follows.
std::string RememberIcsText(const std::vector<TRememberEvent>& Events);

// RFC 4180: a header "date,occasion,jewishDate,summary,uid", then one row an
// event, CRLF line ends.
std::string RememberCsvText(const std::vector<TRememberEvent>& Events);

}  // namespace mirvane
