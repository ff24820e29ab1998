#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "engine/DateServices.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// "Date this year": the first day on or after Today on which the entry
// falls. Every year on the Jewish date: its anniversary (DatesInJewishYear)
// in the Jewish year of Today, or in the next one once that has passed. Every year on the Gregorian date: the same day
// and month this year or next, 29 February on 28 February in common years.
// Once: the date itself until it has passed. Nothing when the entry has no
// such day (a past once-only date, a year beyond the calendar).
std::optional<TDateTime> NextDate(const TRememberEntry& Entry, TDateTime Today, bool PlainAdarIsAdar2);

// The days in JewishYear of an entry kept every year on its Jewish date:
// CustomAnniversaryDates under its customs, the Stam Adar choice where they
// are the program's. With a burial date, the first yahrzeit falls on the
// burial's day and month in the year after the burial's, in place of the
// death's first; later ones on the death's. Empty for a year beyond the
// calendar.
std::vector<TDateTime> DatesInJewishYear(const TRememberEntry& Entry, std::int64_t JewishYear, bool PlainAdarIsAdar2);

// Whether Date, a day of the entry, is its first yahrzeit kept by the burial.
bool FallsByBurial(const TRememberEntry& Entry, TDateTime Date, bool PlainAdarIsAdar2);

// The entry's days in the Gregorian year Year, in order (a Jewish date may
// fall twice in one Gregorian year, or not at all).
std::vector<TDateTime> DatesInYear(const TRememberEntry& Entry, std::int32_t Year, bool PlainAdarIsAdar2);

// Days from Today to Next when the entry is due: its next date is at most
// its days-before away (0: only on the day itself). Nothing otherwise.
std::optional<std::int32_t> DueIn(const TRememberEntry& Entry, std::optional<TDateTime> Next, TDateTime Today);

}  // namespace mirvane
