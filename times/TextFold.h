#pragma once

#include <string>
#include <string_view>

namespace mirvane {

// Text as a place search compares it: ASCII letters in lower case, the
// accented Latin letters of Latin-1 and Latin Extended-A as their base
// letters ("Tromsø" as "tromso", "Ærø" as "aero"), typographic apostrophes
// as "'". Any other character is kept as it is, so searches in other
// scripts match their own spelling.
std::string FoldedText(std::string_view Text);

}  // namespace mirvane
