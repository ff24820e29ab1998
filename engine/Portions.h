#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace mirvane {

inline constexpr std::size_t PortionCount = 55;

// The weekly Torah portions by index; index 0 is the empty string, "no
// portion". Index 1 "Vayelech" is read alone at the start of a year, index 54
// "VaYelech" joined to "Netzavim" at its end.
extern const std::array<std::string_view, PortionCount> PortionNames;

}  // namespace mirvane
