#pragma once

#include "cli/CommandLine.h"

namespace mirvane {

// `mirvane-cli sync`: the dates to remember to the user's CalDAV calendar.
// It needs Qt Network, so only the program itself registers it.
TCommand AddSyncCommand(CLI::App& App);

}  // namespace mirvane
