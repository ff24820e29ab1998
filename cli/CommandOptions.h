#pragma once

#include <CLI/CLI.hpp>

#include "cli/OutputFormat.h"

namespace mirvane {

// The options several commands share.
CLI::Validator CliDateCheck();
void AddIsraelFlag(CLI::App& Command, bool& Israel);
void AddFormatOption(CLI::App& Command, TOutputFormat& Format);
void AddYearsOption(CLI::App& Command, int& Years);
void AddHebrewFlag(CLI::App& Command, bool& Hebrew);

// Diaspora rules, or Israel's when asked for, for the rest of the process.
void ApplyRules(bool Israel);

}  // namespace mirvane
