#pragma once

#include "luach/LuachShow.h"

namespace mirvane {

// The window's language: the desktop's, or one the user picked.
enum class TLanguage { System, English, Hebrew };

// How dates and names are shown, kept between runs in the settings group
// "Display", apart from the five options of the group "Options".
class TDisplayOptions {
public:
    bool HebrewNames = false;  // Jewish dates, months, festivals and portions in Hebrew letters
    // The store never held HebrewNames: the user never chose, and the
    // window's language decides. Such a value is not written back.
    bool HebrewNamesDefaulted = false;
    TLanguage Language = TLanguage::System;
    // The grid's text column adds the candle lighting, havdalah and fast
    // times at the user's place, once one is chosen.
    bool CandleTimes = false;
    // What the grid adds to the festivals and the portion: the luach's
    // categories and learning cycles, stored as the list --show takes.
    TLuachShow LuachShow = TLuachShow::Default();

    // Defaults, then whatever the store holds. Never fails.
    void Load();
    // Writes every value; the luach's choice only when it differs from what
    // the store reads as, so a list damaged by hand stays until the user
    // chooses again. A store that cannot be written is left alone
    // without a word.
    void Save() const;
};

}  // namespace mirvane
