#pragma once

#include <cstdint>
#include <optional>

class QSettings;

namespace mirvane {

// The names under which the user's settings are kept.
inline constexpr const char* SettingsOrganisation = "Tellwen";
inline constexpr const char* SettingsApplication = "Mirvane";

// False when a settings file of the program is no plain file or is far too
// large: such a store is neither read nor written.
bool SettingsStoreIsUsable();

// A stored value counts only when it is a 32-bit integer; anything else
// (text, a number out of range, a list) is treated as missing.
std::optional<std::int32_t> ReadSettingsInteger(const QSettings& Store, const char* Name);

}  // namespace mirvane
