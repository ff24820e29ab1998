#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/DateServices.h"
#include "engine/Rules.h"
#include "pages/YearList.h"

namespace mirvane {

// What the Festivals page holds when it recomputes.
struct TFestivalInput {
    // ComboBox2: the festival, exactly as the table names it, by its Hebrew
    // name or as a list entry with the Hebrew name (see FestivalNameOfEntry)
    std::string Name;
    std::string YearText;   // Edit13: the Gregorian year
    std::string YearsText;  // Edit27: how many years to list
    TDateTime Today = 0;
    TRules Rules = TRules::Diaspora;  // the menu's Diaspora or Israel
};

struct TFestivalPage {
    // Edit15 and the date the month grid moves to; nothing when the name is
    // no festival of the year first examined, or that year lies outside what
    // the calendar computes.
    std::optional<TListedDate> Answer;
    // Memo5: one line per examined year in which the festival falls, the
    // first equal to Answer; it holds that one line while the list is hidden.
    std::vector<TListedDate> Lines;
    bool ListShown = false;
};

// The whole page for one state of its inputs. Festivals from Tishrei to
// Tevet are taken from the Jewish year that begins in the autumn of the
// chosen year, all others from the one that ends in its summer. Years past
// the end of the calendar are left out of the list. Never throws.
TFestivalPage ComputeFestivalPage(const TFestivalInput& Input);

}  // namespace mirvane
