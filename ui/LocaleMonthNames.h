#pragma once

#include "pages/DateEntry.h"

class QLocale;

namespace mirvane {

// The month names of Locale as a user types them in a date: the forms used
// inside a date ("1 декабря 1970", the genitive in many languages), not the
// stand-alone forms of a calendar heading ("декабрь"). Where a language has
// only one form the two agree.
TLocaleMonthNames MonthNamesOf(const QLocale& Locale);

}  // namespace mirvane
