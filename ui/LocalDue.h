#pragma once

// When a date to remember is due, and its line in a reminder, in the
// window's language; the command line keeps DueWhenText and DueReminderLine.

#include <cstdint>

#include <QString>

#include "remember/DueReminders.h"

namespace mirvane {

// "today", "tomorrow", "in 3 days"; "היום", "מחר", "בעוד יומיים".
QString LocalDueWhen(std::int32_t DaysUntil);

// "OCCASION, DATE, WHEN", the date as LocalDateText writes it.
QString LocalDueLine(const TDueReminder& Due);

}  // namespace mirvane
