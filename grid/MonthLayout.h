#pragma once

#include <cstdint>

#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "grid/MonthPage.h"

namespace mirvane {

// A page laid out for one selected date, with the year calculator as the
// layout leaves it and the row of the selected date.
struct TMonthLayout {
    TMonthPage Page;
    TJewishYear YearCalc;
    std::int32_t SelectedRow = 0;
};

// The Gregorian month (ByJewishMonth false) or the Jewish month holding the
// whole day Date. Throws EConvertError "Invalid argument to date encode" when
// the page cannot be laid out: its first day lies before 1 November of year 2
// (the first day with a Jewish date), a Gregorian page lies after 9999, or the
// date lies beyond the calendar. Changes nothing
// outside the result, so a caller commits it only once it succeeded.
TMonthLayout LayoutMonthPage(TDateTime Date, bool ByJewishMonth);

}  // namespace mirvane
