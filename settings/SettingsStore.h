#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QSettings;

namespace mirvane {

// The per-user settings store of organisation "Tellwen", application
// "Mirvane", shared by every settings group of the program.

// The store, opened on Group for reading; nothing when it may not be read:
// a store that is no plain file, or one far too large, is neither read nor
// written.
std::unique_ptr<QSettings> OpenGroup(const char* Group);

// Has Write set the values of Group. The whole file is written to a
// temporary beside it and renamed over the old one, so an interrupted write
// leaves the previous store intact; when that cannot be done, or the store is
// not usable, nothing is written at all.
void WriteGroup(const char* Group, const std::function<void(QSettings&)>& Write);

// A stored value counts only when it is a 32-bit integer; anything else
// (text, a number out of range, a list) is treated as missing.
std::optional<std::int32_t> ReadInteger(const QSettings& Store, const char* Name);

}  // namespace mirvane
