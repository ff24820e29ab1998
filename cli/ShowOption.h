#pragma once

#include <string>

#include <CLI/CLI.hpp>

#include "luach/LuachShow.h"

namespace mirvane {

// --show LIST: which luach categories and learning cycles a command adds.
void AddShowOption(CLI::App& Command, std::string& List, const char* Default);

// The choice LIST names; a usage error naming an unknown key and listing
// the known ones.
TLuachShow ShowAsked(const std::string& List);

}  // namespace mirvane
