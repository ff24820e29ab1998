#pragma once

#include <string>
#include <vector>

#include "engine/DateServices.h"
#include "export/IcsCalendar.h"
#include "grid/MonthGrid.h"

namespace mirvane {

// A month grid page as files hold it, whether the command line or the
// window writes it.

// The rows that have text: the two heading rows, then the days.
std::vector<std::vector<std::string>> MonthGridRows(const TMonthGrid& Grid);

// The page's days, each with its row.
struct TGridDay {
    TDateTime Date = 0;
    std::int32_t Row = 0;
};
std::vector<TGridDay> MonthGridDays(const TMonthGrid& Grid);
// The Jewish date of a row, in Hebrew when the grid shows Hebrew names.
std::string JewishDateOfRow(const TMonthGrid& Grid, std::int32_t Row);

// One all-day event for each day with text: its festival, portion and the
// luach's entries shown, with its Jewish date.
std::vector<TIcsEvent> MonthGridEvents(const TMonthGrid& Grid);

}  // namespace mirvane
