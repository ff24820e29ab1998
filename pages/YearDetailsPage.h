#pragma once

#include <cstdint>
#include <string>

#include "engine/CivilNames.h"
#include "engine/JewishYear.h"

namespace mirvane {

// What the Year Details page holds when it recomputes.
struct TYearDetailsInput {
    std::string YearText;  // Edit23: the Jewish year
    // ComboBox1's selected index, 0 = Nissan ... 12 = Adar2; -1 for none.
    std::int32_t MonthIndex = -1;
    // The year the page shows now. A year text that names no year (empty,
    // not a number, 0 or below) leaves the page on this year.
    std::int32_t ShownYear = 0;
    bool HebrewNames = false;  // the season's day in Hebrew letters
    // The weekday and the date of the year's first day are written with these.
    const TCivilNames* Names = &EnglishCivilNames();
};

// The outputs for one month of the year, all plain decimal numbers but the
// molad text.
struct TMonthDetails {
    std::string Days;        // Edit14
    std::string MoladDays;   // Edit16: 0 = Saturday ... 6 = Friday
    std::string MoladHours;  // Edit17: counted from 6 pm
    std::string MoladParts;  // Edit18
    std::string MoladText;   // Edit19
    TMoladClock MoladClock;  // what MoladText says, for other languages
};

struct TYearDetailsPage {
    std::int32_t Year = 0;  // the year shown, ShownYear of the next run
    std::string CycleNumber;      // Edit5
    std::string YearInCycle;      // Edit6
    bool IsLeap = false;          // CheckBox1
    std::string MoladDays;        // Edit7
    std::string MoladHours;       // Edit8
    std::string MoladParts;       // Edit9
    std::string FirstDayWeekday;  // Edit10
    // Edit26: empty for the years 1 to 3762, whose 1 Tishrei the calendar
    // does not place on a date.
    std::string FirstDayDate;
    std::string SeasonTime;    // Edit22: "197d 2h 776p 24f"
    TSeasonTime Season;        // what SeasonTime says, for other languages
    std::string SeasonDay;     // Edit24: "19 Adar2", or "י״ט אדר ב׳"
    std::string CheshvanDays;  // Edit11
    std::string KislevDays;    // Edit12
    TMonthDetails Month;       // the month selected, all 0 for none
    // ComboBox1's entries 12 and 13: "Adar1" and "Adar2" in a leap year,
    // "Adar" and an empty entry in a common year.
    std::string AdarEntry;
    std::string SecondAdarEntry;
};

// Every output of the page. Throws EConvertError "Invalid argument to date
// encode" for a year beyond the end of the calendar (above 13775); the page
// then keeps what it shows.
TYearDetailsPage ComputeYearDetails(const TYearDetailsInput& Input);

// One month of a set year; Month 0 (none) gives 0 days and a zero molad.
TMonthDetails ComputeMonthDetails(const TJewishYear& Year, std::int32_t Month);

}  // namespace mirvane
