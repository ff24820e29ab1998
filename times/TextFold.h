#pragma once

#include <string>
#include <string_view>

namespace mirvane {

// Text as a place search compares it, so that the ways people write a name
// meet: ASCII letters in lower case, the accented Latin letters of Latin-1
// and Latin Extended-A as their base letters ("Tromsø" as "tromso", "Ærø" as
// "aero"), combining accents and Hebrew vowel points left out (a decomposed
// "Zürich" is "zurich"), Hebrew final letters as their other forms,
// apostrophes and full stops left out ("Ma'ale" is "maale", "D.C." is "dc"),
// hyphens, the Hebrew maqaf and commas as spaces, each run of spaces as one
// and none at the ends ("Tel-Aviv" is "tel aviv"). Any other character is
// kept as it is, so searches in other scripts match their own spelling.
std::string FoldedText(std::string_view Text);

}  // namespace mirvane
