#pragma once

#include <string>

#include <nlohmann/json.hpp>

namespace mirvane {

// The command line's JSON values: members keep the order they were added in.
using TJson = nlohmann::ordered_json;

// Value on one line, ", " between members and elements and ": " after each
// member's name, as every JSON output of the command line is laid out. A
// text with malformed UTF-8 is written with U+FFFD in place of the bad
// bytes, so the document is always valid.
std::string JsonText(const TJson& Value);

}  // namespace mirvane
