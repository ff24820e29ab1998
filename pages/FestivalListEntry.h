#pragma once

#include <string>
#include <string_view>

namespace mirvane {

// The Festivals page's list entry for a festival: its name, and with
// HebrewNames the Hebrew name after a dash ("Purim — פורים").
std::string FestivalListEntry(std::string_view Name, bool HebrewNames);

// The festival name an entry or a typed text stands for: a list entry with
// its Hebrew name reads as the name before the dash, a Hebrew name alone as
// its English name; any other text stands as it is.
std::string FestivalNameOfEntry(std::string_view Text);

}  // namespace mirvane
