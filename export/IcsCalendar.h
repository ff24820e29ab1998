#pragma once

#include <chrono>
#include <cstdint>
#include <utility>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/DateServices.h"

namespace mirvane {

// One all-day event of a calendar file.
struct TIcsEvent {
    TDateTime Date = 0;
    std::string Summary;
    std::string Uid;
    // CATEGORIES, when not empty.
    std::vector<std::string> Categories{};
    // Further text properties, by name ("X-..."), in this order.
    std::vector<std::pair<std::string, std::string>> Properties{};
};

// An all-day event with a reminder and properties of its own.
struct TIcsReminderEvent {
    TIcsEvent Event;
    // A reminder at the start of the day this many days before.
    std::int32_t AlarmDaysBefore = 0;
    // Further properties, NAME and TEXT value ("X-MIRVANE-ENTRY", "12").
    std::vector<std::pair<std::string, std::string>> Properties;
};

// One timed event: a moment, not a span, so without an end.
struct TIcsMoment {
    std::chrono::sys_seconds At;
    std::string Summary;
    std::string Uid;
    // Further text properties, by name ("X-..."), in this order.
    std::vector<std::pair<std::string, std::string>> Properties{};
};

// A UID unique to the question an event answers: the day it falls on, its
// kind ("anniversary", "festival" ...), its name and what it is counted
// from (an anniversary's own date; empty where the kind and name say it
// all). The same question gives the same UID whenever and wherever the
// file is written, so importing it again updates events instead of
// doubling them, and two people's days on one date stay two events.
std::string IcsUid(TDateTime Date, std::string_view Kind, std::string_view Name, std::string_view Origin = {});

// An RFC 5545 calendar of all-day events, each DTSTART;VALUE=DATE with DTEND
// on the next day. Throws EExportFailure for a date outside the years 1 to
// 9999, which the format's four-digit years cannot hold; nothing is
// returned then.
std::string IcsCalendarText(const std::vector<TIcsEvent>& Events);

// The same, each event with its reminder and properties.
std::string IcsCalendarText(const std::vector<TIcsReminderEvent>& Events);

// A calendar of timed events, each DTSTART in UTC; EExportFailure for a
// moment outside the years 1 to 9999.
std::string IcsCalendarText(const std::vector<TIcsMoment>& Moments);

}  // namespace mirvane
