#pragma once

#include "settings/DisplayOptions.h"

namespace mirvane {

// Puts the program in Language: its own texts and Qt's (standard buttons,
// dialogs) translated, and the layout right to left under Hebrew. Every
// widget hears of a change through QEvent::LanguageChange. Under System the
// first of the desktop's languages that the program speaks is taken,
// English when it speaks none of them. Returns whether Hebrew is in use.
bool UseLanguage(TLanguage Language);

// Whether the window speaks Hebrew now.
bool HebrewInUse();

}  // namespace mirvane
