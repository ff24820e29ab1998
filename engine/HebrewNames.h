#pragma once

#include <array>
#include <string_view>

#include "engine/Festivals.h"
#include "engine/NameTables.h"
#include "engine/Portions.h"

namespace mirvane {

// The Hebrew spellings, without vowel points, beside the English name tables;
// each is indexed exactly as its English table.
inline constexpr TMonthNameTable HebrewMonthNamesLeap = {
    "", "ניסן", "אייר", "סיון", "תמוז", "אב", "אלול", "תשרי",
    "חשון", "כסלו", "טבת", "שבט", "אדר א׳", "אדר ב׳"};

inline constexpr TMonthNameTable HebrewMonthNames = {
    "", "ניסן", "אייר", "סיון", "תמוז", "אב", "אלול", "תשרי",
    "חשון", "כסלו", "טבת", "שבט", "אדר", ""};

// Entry i names Festivals[i].
extern const std::array<std::string_view, FestivalCount> HebrewFestivalNames;

// Entry i names PortionNames[i]; entry 0 is empty, "no portion".
extern const std::array<std::string_view, PortionCount> HebrewPortionNames;

// The Hebrew name of the festival called English; empty for a name not in
// the table.
std::string_view HebrewFestivalName(std::string_view English);

// The English name of a festival given by either name; empty when Name is
// neither. Lets the Hebrew name be typed wherever a festival is named.
std::string_view EnglishFestivalName(std::string_view Name);

}  // namespace mirvane
