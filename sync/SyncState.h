#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace mirvane {

// One object of the calendar as the last sync left it.
struct TKnownItem {
    std::string Uid;
    std::string Etag;
    bool Ours = false;   // carries our mark; any other is the user's own
    std::string Digest;  // of what we sent, for ours
    bool operator==(const TKnownItem&) const = default;
};

// What the last sync to one calendar found and sent, by the object's path.
struct TSyncState {
    std::map<std::string, TKnownItem> Items;
    // The calendar's sync-token when Items were listed; empty where the
    // server gives none.
    std::string Token;
    bool operator==(const TSyncState&) const = default;
};

// The state kept for Calendar in the store File, beside the dates to
// remember, so the window and the command line share it. Nothing is written
// by reading: a store without any yet, or no store at all, gives an empty
// state. Throws ERememberStoreError when the file cannot be read.
TSyncState ReadSyncState(const std::filesystem::path& File, const std::string& Calendar);

// Replaces the state kept for Calendar in one transaction; the store is
// made if there is none. Throws ERememberStoreError when it cannot be.
void WriteSyncState(const std::filesystem::path& File, const std::string& Calendar, const TSyncState& State);

// Drops what was kept for Calendar, once the account is forgotten.
void ForgetSyncState(const std::filesystem::path& File, const std::string& Calendar);

}  // namespace mirvane
