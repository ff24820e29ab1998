#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace mirvane {

// The whole of Text as a signed 32-bit decimal number: blanks before and
// after and one sign are allowed. Nothing for an empty text, any other
// character, or a value beyond 32 bits.
std::optional<std::int32_t> ReadDecimal(std::string_view Text);

}  // namespace mirvane
