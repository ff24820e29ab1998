#pragma once

#include <string>

namespace mirvane {

// The numbers of a reading's places: decimal in English, and in Hebrew
// letters, with the geresh or gershayim for a number alone ("י״ט") and
// without them inside a chapter and verse ("ט:ה").
void AppendNumber(std::string& Text, int Number);
void AppendHebrewNumber(std::string& Text, int Number);
void AppendHebrewLetters(std::string& Text, int Number);

}  // namespace mirvane
