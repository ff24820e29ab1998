#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirvane {

inline constexpr char32_t ReplacementCharacter = U'\uFFFD';

// The code points of a UTF-8 text. Every byte that does not belong to a
// well-formed sequence (stray continuation bytes, truncated or overlong
// sequences, surrogates, values beyond U+10FFFF) reads as one
// ReplacementCharacter, so no input is ever refused.
std::u32string DecodeUtf8(std::string_view Text);

// The code points of a well-formed UTF-8 text; nothing for any malformed
// byte, for texts that must be stored exactly as written.
std::optional<std::u32string> DecodeStrictUtf8(std::string_view Text);

}  // namespace mirvane
