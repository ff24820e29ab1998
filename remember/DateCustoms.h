#pragma once

// What a date to remember is for, and how a family keeps a Jewish date that
// a year lacks. Each custom's "Options" keeps the program's own rule.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/AnniversaryCustoms.h"

namespace mirvane {

// Names the entry in the list, the reminders and calendar files.
enum class TOccasionWhat : std::int32_t {
    Other = 0,
    Yahrzeit = 1,
    Birthday = 2,
    Anniversary = 3,
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

// "Yahrzeit", "Birthday", "Anniversary"; empty for Other.
std::string_view WhatTitle(TOccasionWhat What);

// "Yahrzeit: Grandpa Moshe"; the occasion alone for Other.
std::string TitleWithWhat(TOccasionWhat What, std::string_view Occasion);

}  // namespace mirvane
