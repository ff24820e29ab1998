#pragma once

#include <QString>
#include <QUrl>
#include <vector>

#include "caldav/CalDavConnection.h"

namespace mirvane {

// A calendar that takes events.
struct TCalendarInfo {
    QUrl Url;
    QString Name;
};

// What discovery found: the user's calendars and where new ones are made.
struct TDiscovery {
    std::vector<TCalendarInfo> Calendars;
    QUrl Home;  // empty when the address given was a calendar's own
};

// RFC 6764 and RFC 4791: from the account's address (a server, a principal,
// a calendar home or a calendar itself), through /.well-known/caldav,
// current-user-principal and calendar-home-set, to the calendars that take
// VEVENTs. Throws ESyncFailure, saying what to do, when the server is not
// CalDAV or refuses.
TDiscovery DiscoverCalendars(TCalDavConnection& Connection);

// Makes a calendar named Name for events under Home and returns its
// address. Throws ESyncFailure when the server refuses.
QUrl MakeCalendar(TCalDavConnection& Connection, const QUrl& Home, const QString& Name);

// The calendar named Name among Found, made under Found's home when there is
// none.
QUrl CalendarNamed(TCalDavConnection& Connection, const TDiscovery& Found, const QString& Name);

}  // namespace mirvane
