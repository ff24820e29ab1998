#pragma once

#include <cstddef>
#include <optional>

#include "pages/DateOrder.h"

namespace mirvane {

enum class TImportFormat { Calendar, Csv, Gedcom };

// How a CSV without the calendar-import layout is read.
struct TCsvChoice {
    // Guessed from the header's names when unset.
    std::optional<std::size_t> NameColumn;
    std::optional<std::size_t> DateColumn;
    bool JewishDates = false;  // "3 Kislev 5731", or in Hebrew letters
};

// What the user chose, or nothing to let the file's content decide.
struct TImportChoices {
    std::optional<TImportFormat> Format;
    // How numeric dates are read; the calendar-import layout writes
    // month/day/year, so that is its default, day/month/year elsewhere.
    std::optional<TDateOrder> Order;
    TCsvChoice Csv;
};

}  // namespace mirvane
