#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "remember/DateCustoms.h"

namespace mirvane {

// Which day an entry falls on in later years.
enum class TRememberKind : std::int32_t {
    Jewish = 0,     // every year on the Jewish date
    Gregorian = 1,  // every year on the Gregorian day and month
    Once = 2,       // this date only
};

inline constexpr std::int32_t MaxDaysBefore = 365;
inline constexpr std::size_t MaxOccasionLength = 100;  // characters, not bytes

// One date to remember, as stored.
struct TRememberEntry {
    std::int64_t Id = 0;  // 0 until stored
    std::string Occasion;
    TGregorianDate Date;
    bool AfterSunset = false;  // the event was between sunset and midnight
    // As typed, or as Date gave it (one day later after sunset).
    TJewishDate JewishDate;
    TRememberKind Kind = TRememberKind::Jewish;
    std::int32_t DaysBefore = 7;
    TOccasionWhat What = TOccasionWhat::Other;
    TAdarCustom Adar = TAdarCustom::Options;
    TShortMonthCustom ShortMonth = TShortMonthCustom::Options;
    TAdar1ThirtyCustom Adar1Thirty = TAdar1ThirtyCustom::Options;
    // When set, the first anniversary falls on this day's Jewish day and
    // month instead of the date's.
    std::optional<TGregorianDate> Burial;
    std::string Created;  // "2026-12-08T00:43:29Z", set by the store
    std::string Changed;
    // The last day a reminder was shown for this entry, so that it is shown
    // at most once a day.
    std::optional<TGregorianDate> LastNotified;
    bool operator==(const TRememberEntry&) const = default;
};

// "jewish", "gregorian", "once": the names the store and the command line use.
std::string_view KindName(TRememberKind Kind);
std::optional<TRememberKind> KindFromName(std::string_view Name);

// The occasion as it will be stored (blanks trimmed from both ends), or
// nothing when it is empty, longer than 100 characters, malformed UTF-8 or
// holds a control character. Message then says why, naming the field.
std::optional<std::string> CheckedOccasion(std::string_view Typed, std::string& Message);

// Why an entry cannot be stored, naming the field; empty when it can.
std::string EntryProblem(const TRememberEntry& Entry);

}  // namespace mirvane
