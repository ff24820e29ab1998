#pragma once

#include <cstdint>

#include <QString>

namespace mirvane {

// The order in which a typed Gregorian date is read. The numbers are the
// stored DateOrder values and also the digits of the locale's short-date
// ordering: 0 month-day-year, 1 day-month-year, 2 year-month-day.
enum TDateOrder : std::int32_t { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

// The order of the day, month and year fields of a date format in Qt's
// notation ("M/d/yy", "dd.MM.yyyy", "yyyy/MM/dd"); quoted text is skipped.
// Formats without all three fields, or in another order, give DayMonthYear.
TDateOrder DateOrderOfFormat(const QString& Format);

// The short-date order of the user's locale.
TDateOrder LocaleDateOrder();

}  // namespace mirvane
