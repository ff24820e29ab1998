#pragma once

#include <QString>
#include <optional>

namespace mirvane {

// The calendar account, in the settings group "Sync". The password is never
// here: it is in the desktop's keyring (SyncPassword.h).
struct TSyncSettings {
    QString Server;    // "Server": the address the user gave
    QString User;      // "User"
    QString Calendar;  // "Calendar": the calendar collection's URL
    int Years = 5;     // "Years", 1 to 50
    bool Festivals = false;  // "Festivals"
    bool Candles = false;    // "CandleLighting"

    // An account is set up once there is a server and a calendar.
    bool Configured() const { return !Server.isEmpty() && !Calendar.isEmpty(); }

    // Defaults, then whatever the group holds. Never fails.
    static TSyncSettings Load();
    void Save() const;
    // Empties the group.
    static void Forget();
    bool operator==(const TSyncSettings&) const = default;
};

// The password kept for User at Server, or nothing when there is no keyring
// or none is kept there. Waits for the keyring.
std::optional<QString> ReadSyncPassword(const QString& Server, const QString& User);
// Keeps it; false when there is no keyring to keep it in.
bool WriteSyncPassword(const QString& Server, const QString& User, const QString& Password);
void ForgetSyncPassword(const QString& Server, const QString& User);

}  // namespace mirvane
