#pragma once

namespace mirvane {

// What the Dates to Remember page keeps between runs, in its own settings
// group "Remember" (the options group holds the five options only).
struct TRememberSettings {
    bool SortByDate = false;  // "Sort list by": Occasion, or Date this year
    bool CheckOnRun = true;   // "Run Mirvane" under "Check the dates every time I:"

    // Defaults, then whatever the group holds. Never fails.
    static TRememberSettings Load();
    // Writes both values; a store that cannot be written is left alone.
    void Save() const;
    bool operator==(const TRememberSettings&) const = default;
};

}  // namespace mirvane
