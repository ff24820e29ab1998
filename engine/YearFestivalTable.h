#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace mirvane {

class TJewishYear;

// The festival of every day of one year, looked up by month and day: for
// callers that visit many days of a year, it is placed once per year instead
// of searching the festival table for each day. NameOf gives the text
// TJewishYear::FestivalOfDay gives for the year and rules it was filled from.
class TYearFestivalTable {
public:
    void Fill(const TJewishYear& Year);
    std::string_view NameOf(std::int32_t Month, std::int32_t Day) const;

private:
    // Every festival falls on a day 1..30 of a month 1..13.
    std::array<std::array<std::string_view, 31>, 14> Names{};
};

}  // namespace mirvane
