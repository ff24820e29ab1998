#pragma once

// What a date to remember is for, and how a family keeps a Jewish date that
// a year lacks. Each custom's "Options" keeps the program's own rule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirvane {

// Names the entry in the list, the reminders and calendar files.
enum class TOccasionWhat : std::int32_t {
    Other = 0,
    Yahrzeit = 1,
    Birthday = 2,
    Anniversary = 3,
};

// A date in the Adar of a common year, in a leap year.
enum class TAdarCustom : std::int32_t {
    Options = 0,  // the Stam Adar choice of the menu
    Adar1 = 1,
    Adar2 = 2,
    Both = 3,  // two dates that year
};

// Day 30 of Cheshvan or Kislev in a year whose month has 29 days.
enum class TShortMonthCustom : std::int32_t {
    Options = 0,  // the next day
    NextDay = 1,
    Day29 = 2,
    // The last day of the month every year after a first anniversary that
    // fell in a 29-day month; the next day otherwise.
    ByFirstAnniversary = 3,
};

// 30 Adar I in a common year, which has no Adar I.
enum class TAdar1ThirtyCustom : std::int32_t {
    Options = 0,  // 1 Nissan
    Shvat30 = 1,
    Nissan1 = 2,
};

// The words the store, the command line and calendar files use:
// "other", "yahrzeit", "birthday", "anniversary";
// "options", "adar1", "adar2", "both"; "options", "next", "29", "first";
// "options", "shvat", "nissan".
std::string_view WhatName(TOccasionWhat What);
std::optional<TOccasionWhat> WhatFromName(std::string_view Name);
std::string_view CustomName(TAdarCustom Custom);
std::string_view CustomName(TShortMonthCustom Custom);
std::string_view CustomName(TAdar1ThirtyCustom Custom);
std::optional<TAdarCustom> AdarCustomFromName(std::string_view Name);
std::optional<TShortMonthCustom> ShortMonthCustomFromName(std::string_view Name);
std::optional<TAdar1ThirtyCustom> Adar1ThirtyCustomFromName(std::string_view Name);

// "Yahrzeit: Grandpa Moshe"; the occasion alone for Other.
std::string TitleWithWhat(TOccasionWhat What, std::string_view Occasion);

}  // namespace mirvane
