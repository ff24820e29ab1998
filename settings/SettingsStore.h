#pragma once

#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace mirvane {

// The per-user settings store of organisation "Tellwen", application
// "Mirvane", shared by every settings group of the program.

// Whether the store may be read and written at all: a store that is no plain
// file, or one far too large, is neither.
bool StoreIsUsable();

// The store, opened; nothing when it is not usable.
std::unique_ptr<QSettings> OpenStore();

// A stored value counts only when it is a 32-bit integer; anything else
// (text, a number out of range, a list) is treated as missing.
std::optional<std::int32_t> ReadInteger(const QSettings& Store, const char* Name);

}  // namespace mirvane
