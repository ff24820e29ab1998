#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "engine/Rules.h"

namespace mirvane {

// The days of the luach the Festivals page finds as it finds the
// festivals: Rosh Chodesh, Israel's national days and the minor days.
struct TLuachDayName {
    std::string English;
    std::string Hebrew;
};

// Their names under Rules, each once, in the order of the Jewish year; also
// the days that fall only in some years.
const std::vector<TLuachDayName>& LuachDayNames(TRules Rules);
// The Hebrew name of such a day, or the English name of its Hebrew name;
// empty for any other text.
std::string_view LuachDayHebrewName(std::string_view English);
std::string_view LuachDayEnglishName(std::string_view Hebrew);

// The first day called English in the year Year is set to, under its
// rules; nothing when the year has none.
std::optional<TJewishDate> FindLuachDay(const TJewishYear& Year, std::string_view English);

}  // namespace mirvane
