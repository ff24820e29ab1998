#pragma once

#include <QUrl>
#include <map>
#include <string>
#include <vector>

#include "caldav/CalendarSync.h"
#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"
#include "tests/sync/Radicale.h"

namespace mirvane {

// A list of dates in a temporary store and a Radicale to sync it to.
class TSyncFixture {
public:
    explicit TSyncFixture(const QString& Password = {}) : Server(Password) {}

    // Count dates, each its own day of the year, called "Date N".
    void AddDates(int Count);
    // A sync of the store to Calendar (discovered when empty) as "alice".
    TSyncRequest Request(const QUrl& Calendar = {}, int Years = 1) const;
    // The UIDs of the objects Radicale keeps for the calendar, read from its
    // own files, with their SUMMARY lines.
    std::map<std::string, std::string> ServerObjects(const QUrl& Calendar) const;
    // The UIDs the list wants now.
    std::vector<std::string> WantedUids(int Years = 1) const;

    TTempFolder Folder;
    TRadicale Server;
    std::vector<std::int64_t> Ids;
};

}  // namespace mirvane
