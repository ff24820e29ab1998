#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Rules.h"

namespace mirvane {

// One festival, fast or special day: a date in the Jewish year and the rule
// code that says in which years, and where, it holds.
struct TFestival {
    std::int32_t Month = 0;  // 1 = Nissan ... 12 = Adar (Adar I), 13 = Adar II
    std::int32_t Day = 0;
    std::string_view Name;  // also the key by which the Festivals page picks it
    std::uint8_t Rule = 0;  // 0..12; any other code never holds
};

// The rule codes of TFestival: in which years, and where, an entry holds.
// Weekdays are those of the entry's own date in the calculator's year.
enum TFestivalRule : std::uint8_t {
    RuleFullFestival = 0,  // always; no weekly portion is read on it
    RuleDiasporaOnly = 1,  // Diaspora only; no weekly portion is read there
    RuleMinorDay = 2,      // always; the weekly portion is still read
    RuleNotSaturday = 3,
    RuleSunday = 4,
    RuleCommonYear = 5,
    RuleLeapYear = 6,
    RuleLongKislev = 7,   // Kislev has 30 days
    RuleShortKislev = 8,  // Kislev has 29 days
    RuleNotSaturdayCommonYear = 9,
    RuleNotSaturdayLeapYear = 10,
    RuleThursdayCommonYear = 11,
    RuleThursdayLeapYear = 12,
};

inline constexpr std::size_t FestivalCount = 57;

// In table order: the selector lists names in this order, the alternative
// dates of one movable day stand next to each other, and where several
// entries hold on one day the last wins.
extern const std::array<TFestival, FestivalCount> Festivals;

// Replaces Names with the festival names in table order, each once, leaving
// out the Diaspora-only names under the Israel rules.
void FillFestivalNames(std::vector<std::string>& Names, TRules Rules);

}  // namespace mirvane
