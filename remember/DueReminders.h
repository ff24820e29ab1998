#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/DateServices.h"
#include "remember/RememberEntry.h"

namespace mirvane {

// An entry whose next date is near enough to remind of it.
struct TDueReminder {
    TRememberEntry Entry;
    TDateTime Next = 0;
    std::int32_t DaysUntil = 0;
};

// The due entries (see DueIn), soonest first, then by occasion.
std::vector<TDueReminder> DueReminders(const std::vector<TRememberEntry>& Entries, TDateTime Today,
                                       bool PlainAdarIsAdar2);

// Those of Due not yet reminded of on Today: a reminder is given at most
// once a day however often the check runs.
std::vector<TDueReminder> NotRemindedOn(const std::vector<TDueReminder>& Due, TDateTime Today);

// "today", "tomorrow" or "in N days".
std::string DueWhenText(std::int32_t DaysUntil);

// One line for a notification: "OCCASION, GregorianDateText, when".
std::string DueReminderLine(const TDueReminder& Due);

}  // namespace mirvane
