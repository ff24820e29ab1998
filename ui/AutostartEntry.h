#pragma once

#include <QString>

namespace mirvane {

// The desktop's log-in entry that runs "mirvane --remind": it exists only
// while the user wants the dates checked at log-in, so its presence is that
// choice and nothing else records it.

// $XDG_CONFIG_HOME/autostart/org.tellwen.Mirvane.Reminders.desktop, by
// default under ~/.config.
QString AutostartEntryPath();
bool AutostartEntryExists();
// Writes the entry whole or not at all (a temporary file renamed into
// place), making its folder when needed. On failure returns false and says
// why in Error.
bool WriteAutostartEntry(QString& Error);
// Removes the entry; true when it is gone, also when it never was.
bool RemoveAutostartEntry(QString& Error);

}  // namespace mirvane
