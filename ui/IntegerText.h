#pragma once

#include <cstdint>
#include <optional>

#include <QString>

namespace mirvane {

// A text read as a signed 32-bit decimal number: blanks around the digits
// and a leading sign are allowed; anything else, an empty text or a number
// beyond 32 bits is no number.
std::optional<std::int32_t> IntegerOfText(const QString& Text);

// The same, with 0 for a text that is no number.
std::int32_t IntegerOrZero(const QString& Text);

}  // namespace mirvane
