#pragma once

// When a date to remember is due, and its line in a reminder, in the
// window's language; the command line keeps DueWhenText and DueReminderLine.

#include <cstdint>

#include <QString>

#include "remember/DueReminders.h"

namespace mirvane {

// "today", "tomorrow", "in 3 days"; "היום", "מחר", "בעוד יומיים".
QString LocalDueWhen(std::int32_t DaysUntil);

// "Yahrzeit: OCCASION", "Birthday: ...", "Anniversary: ..."; the occasion
// alone for a date of kind Other.
QString LocalOccasionTitle(const TRememberEntry& Entry);

// "OCCASION, DATE, WHEN", the occasion as LocalOccasionTitle and the date as
// LocalDateText write them.
QString LocalDueLine(const TDueReminder& Due);

}  // namespace mirvane
