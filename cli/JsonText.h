#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirvane {

// JSON texts built from values that are already JSON: JsonString quotes a
// UTF-8 text, JsonObject and JsonArray join encoded members and elements.
std::string JsonString(std::string_view Text);
using TJsonMembers = std::vector<std::pair<std::string_view, std::string>>;
std::string JsonObject(const TJsonMembers& Members);
std::string JsonArray(const std::vector<std::string>& Elements);

}  // namespace mirvane
