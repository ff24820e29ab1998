#pragma once

#include <string>
#include <vector>

#include "sync/CalendarServer.h"
#include "sync/SyncEvent.h"
#include "sync/SyncState.h"

namespace mirvane {

// What one sync did, and what to keep for the next.
struct TSyncOutcome {
    int Added = 0;
    int Changed = 0;
    int Removed = 0;
    int Unchanged = 0;
    // Days left out, each saying why (a user's event holds the UID).
    std::vector<std::string> Warnings;
    TSyncState State;
};

// Makes the calendar hold exactly the Wanted events among ours, sending only
// what differs from Known (the state the last sync left) and what the
// server shows changed elsewhere: its changes since Known's sync-token, or
// its whole listing where there is no token or it is refused. Events without our mark are
// never written or removed. Every write carries its precondition; a 412 reads
// that object again and tries once more. Throws ESyncFailure when the server
// fails: what was written stays written and the next sync, starting from the
// same Known, finds it and finishes the work without doubling anything.
TSyncOutcome RunSync(TCalendarServer& Server, const std::vector<TSyncEvent>& Wanted, const TSyncState& Known);

}  // namespace mirvane
