#pragma once

#include <cstdint>

namespace mirvane {

// The user's five options as stored between runs: loaded once at start-up,
// written at most once at shut-down. While the program runs the options
// live in the window's running choices (settings/Choices.h), not here.
class TOptions {
public:
    std::int32_t DateOrder = 1;  // a TDateOrder; other values are carried but select nothing
    bool InDiaspora = true;
    bool ByJMonth = false;
    bool PlainAdarIsAdar1 = false;
    std::int32_t StartTab = 1;

    // Fills every field: defaults, then whatever the store holds. When the
    // store holds no option at all (the first run) the date order is the
    // locale's. Never fails.
    void GetOptions();
    // Writes all five values. A store that cannot be written is left alone
    // without a word.
    void SaveOptions() const;

    bool operator==(const TOptions&) const = default;
};

}  // namespace mirvane
