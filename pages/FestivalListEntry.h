#pragma once

#include <string>
#include <string_view>

namespace mirvane {

// How the Festivals page lists a festival: its name; with the Hebrew name
// after a dash ("Purim — פורים"); or, in the Hebrew window, the Hebrew name
// alone ("פורים"). A festival without a Hebrew name keeps its name.
enum class TFestivalEntryForm { Name, NameAndHebrew, Hebrew };

std::string FestivalListEntry(std::string_view Name, TFestivalEntryForm Form);
// The Hebrew name a listed festival or day of the luach goes by; empty for
// any other name.
std::string_view ListedHebrewName(std::string_view Name);

// The festival name an entry or a typed text stands for: a list entry with
// its Hebrew name reads as the name before the dash, a Hebrew name alone as
// its English name; any other text stands as it is.
std::string FestivalNameOfEntry(std::string_view Text);

}  // namespace mirvane
