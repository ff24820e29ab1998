#pragma once

#include <QString>

#include "pages/DateOrder.h"

namespace mirvane {

// The order of the day, month and year fields of a date format in Qt's
// notation ("M/d/yy", "dd.MM.yyyy", "yyyy/MM/dd"); quoted text is skipped.
// Formats without all three fields, or in another order, give DayMonthYear.
TDateOrder DateOrderOfFormat(const QString& Format);

// The short-date order of the user's locale.
TDateOrder LocaleDateOrder();

}  // namespace mirvane
