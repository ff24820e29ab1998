#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace mirvane {

// What the argument parser refused, in the program's own words: a value that
// is no number, an argument too many, a value missing.
std::string UsageMessage(const CLI::App& App, const CLI::ParseError& Error);

// "See `mirvane-cli times --help`." for the command chosen, the program's
// own help when none was.
std::string UsageHint(const CLI::App& App);

}  // namespace mirvane
