#pragma once

#include <CLI/CLI.hpp>

#include "cli/OutputFormat.h"
#include "engine/Rules.h"

namespace mirvane {

// The options several commands share.
CLI::Validator CliDateCheck();
void AddIsraelFlag(CLI::App& Command, bool& Israel);
void AddFormatOption(CLI::App& Command, TOutputFormat& Format);
void AddYearsOption(CLI::App& Command, int& Years);
void AddHebrewFlag(CLI::App& Command, bool& Hebrew);

// The Diaspora's rules, or Israel's when --israel was given.
TRules RulesAsked(bool Israel);

}  // namespace mirvane
