#pragma once

#include <cstdint>
#include <optional>

#include "luach/LuachShow.h"
#include "pages/DateOrder.h"
#include "settings/DisplayOptions.h"
#include "settings/Options.h"

namespace mirvane {

// The running program's choices as one value: the window reads them from
// the settings once at start, changes them as the menus are used, tells the
// pages of each change and stores them at shut-down. The menus' check marks
// only show them.
struct TChoices {
    bool InDiaspora = true;
    // The order typed dates are read in. None while the stored value
    // selects no order (no menu item was ever applied): dates then read day
    // first, and the Birthdays/Yahrtzeits hint keeps its own examples.
    std::optional<TDateOrder> DateOrder;
    bool ByJewishMonth = false;
    bool PlainAdarIsAdar1 = false;
    bool HebrewNames = false;
    TLanguage Language = TLanguage::System;
    // The grid adds the candle lighting, havdalah and fast times at the
    // user's place.
    bool CandleTimes = false;
    // The luach's categories and learning cycles the grid adds.
    TLuachShow LuachShow = TLuachShow::Default();
    // The page shown, which is the page shown at the next start.
    std::int32_t StartPage = 1;

    TDateOrder Order() const { return DateOrder.value_or(DayMonthYear); }
    // The group "Options" as these choices store it ("Display" holds
    // HebrewNames, Language, CandleTimes and LuachShow).
    TOptions Stored() const;

    bool operator==(const TChoices&) const = default;
};

}  // namespace mirvane
