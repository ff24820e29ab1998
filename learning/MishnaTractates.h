#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace mirvane {

// A tractate of the Mishna: how many mishnayot each chapter has, in order,
// and nothing (0) after its last chapter.
struct TMishnaTractate {
    std::string_view English;
    std::string_view Hebrew;
    std::array<std::uint8_t, 30> Mishnayot{};
};

// The six orders in the order the Mishna Yomit learns them.
std::span<const TMishnaTractate> MishnaTractates();

}  // namespace mirvane
