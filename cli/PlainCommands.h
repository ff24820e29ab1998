#pragma once

#include <span>
#include <string_view>

#include "cli/CommandLine.h"

namespace mirvane {

// The commands that need neither Qt nor the calendar file reader (whose
// libraries take longer to load than most commands take to run), by the
// name that chooses each.
struct TPlainCommand {
    std::string_view Name;
    TCommand (*Add)(CLI::App& App);
};
std::span<const TPlainCommand> PlainCommands();

// Whether the arguments choose one of them, without asking for help or the
// version, so that a program carrying only those commands answers as the
// whole program would.
bool ChoosesPlainCommand(int ArgumentCount, const char* const* Arguments);

}  // namespace mirvane
