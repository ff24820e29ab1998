#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/DateServices.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// An entry with its date this year, as the list shows it.
struct TRememberRow {
    TRememberEntry Entry;
    std::optional<TDateTime> Next;
    // Next is the first yahrzeit, kept by the burial.
    bool NextByBurial = false;
    // Kept in both Adars: the entry's days in the Jewish year of Next.
    std::vector<TDateTime> YearDates{};
};

enum class TRememberSort : std::int32_t {
    Occasion = 0,
    NextDate = 1,
};

// Three-way comparison of two occasions: below, at or above zero.
using TOccasionCompare = std::function<int(std::string_view, std::string_view)>;

// Case-insensitive (for ASCII letters), runs of digits in numeric order
// ("Day 2" before "Day 10"), then code point order. The window passes the
// locale's collation instead.
int CompareOccasions(std::string_view Left, std::string_view Right);

// The rows of Entries with their next dates from Today.
std::vector<TRememberRow> RowsOf(std::vector<TRememberEntry> Entries, TDateTime Today, bool PlainAdarIsAdar2);

// By occasion; or by date this year, soonest first, then by occasion, rows
// without a next date last. Equal rows keep the order of their ids.
void SortRows(std::vector<TRememberRow>& Rows, TRememberSort Sort,
              const TOccasionCompare& Compare = CompareOccasions);

}  // namespace mirvane
