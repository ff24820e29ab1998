#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "pages/DateOrder.h"

namespace mirvane {

// The month names of the user's locale, January first, in UTF-8. Empty
// entries match nothing, so a default object stands for "no locale names".
struct TLocaleMonthNames {
    std::array<std::string, 12> Abbreviated;
    std::array<std::string, 12> Full;
};

enum class TDateEntryStatus {
    Read,            // year, month and day were all written
    Empty,           // only the day was written, as 0
    StoppedEarly,    // a fourth group or a second word: nothing was written
    NumberTooLarge,  // a number beyond 65535: nothing was written
};

// A typed date as read, before anyone asks whether it exists.
struct TDateEntry {
    std::uint16_t Year = 0;
    std::uint16_t Month = 0;
    std::uint16_t Day = 0;
    TDateEntryStatus Status = TDateEntryStatus::Read;

    // All three read and none of them 0. Whether they form a date of the
    // calendar (31 April, month 13) is still the caller's question.
    bool Usable() const { return Status == TDateEntryStatus::Read && Year != 0 && Month != 0 && Day != 0; }
    bool operator==(const TDateEntry&) const = default;
};

// Reads a Gregorian date typed in free form: up to three numbers with any
// separators, or two numbers and a month name ("1/12/70", "1 Dec 70",
// "1 december 1970", "1dec70"), under Order. Month names come from the
// English tables, then LocaleNames. A year from 1 to 99 is taken as 19xx.
// Preset holds the values the caller starts with; what the text does not
// write is returned as it was (see TDateEntryStatus).
TDateEntry ParseDateEntry(std::string_view Text, TDateOrder Order, const TLocaleMonthNames& LocaleNames,
                          TDateEntry Preset = {});

}  // namespace mirvane
