#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "engine/JewishYear.h"
#include "luach/LuachEntry.h"

namespace mirvane {

// What the rules of each category need to place their days in one year:
// every date as its offset from 1 Tishrei, so that "the Saturday on or
// before" may cross into the month before.
class TLuachYearBuilder {
public:
    // Placed is kept from year to year, so that the entries' texts reuse
    // their storage: only its first Count are this year's.
    TLuachYearBuilder(TJewishYear& NewYear, std::vector<std::pair<std::int32_t, TLuachEntry>>& NewPlaced);

    TJewishYear& Year;
    std::vector<std::pair<std::int32_t, TLuachEntry>>& Placed;
    std::size_t Count = 0;

    std::int32_t Offset(std::int32_t Month, std::int32_t Day) const;
    std::int32_t Length() const;
    std::int32_t WeekdayAt(std::int32_t At) const;  // 1 = Sunday ... 7 = Saturday
    std::int32_t SaturdayOnOrBefore(std::int32_t At) const;
    std::int32_t MonthAt(std::int32_t At) const;
    void Add(std::int32_t At, TLuachCategory Category, std::string_view Key, std::string_view English,
             std::string_view Hebrew);
    // The entry added last, for its category's own fields.
    TLuachEntry& Last() { return Placed[Count - 1].second; }
};

// The month names the luach writes: Adar I and Adar II in a leap year.
std::string LuachMonthName(const TJewishYear& Year, std::int32_t Month);
std::string LuachHebrewMonthName(const TJewishYear& Year, std::int32_t Month);

// Each category's days, one rule set a file.
void AddRoshChodesh(TLuachYearBuilder& Builder);
void AddOmer(TLuachYearBuilder& Builder);
void AddSpecialShabbatot(TLuachYearBuilder& Builder);
void AddMevarchim(TLuachYearBuilder& Builder);
void AddModernDays(TLuachYearBuilder& Builder);
void AddMinorDays(TLuachYearBuilder& Builder);

}  // namespace mirvane
