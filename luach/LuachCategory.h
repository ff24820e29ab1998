#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace mirvane {

// The groups of the luach a user can show, in the order a day's entries are
// listed. Festival is the program's festival list; the rest are added to it.
enum class TLuachCategory : std::uint8_t {
    Festival, RoshChodesh, Omer, SpecialShabbat, Mevarchim, Modern, Minor, Learning
};

inline constexpr std::array<TLuachCategory, 8> AllLuachCategories{
    TLuachCategory::Festival,  TLuachCategory::RoshChodesh, TLuachCategory::Omer,  TLuachCategory::SpecialShabbat,
    TLuachCategory::Mevarchim, TLuachCategory::Modern,      TLuachCategory::Minor, TLuachCategory::Learning};

// "festivals", "rosh-chodesh", ..., "learning": the names --show and the
// stored choice use.
std::string_view LuachCategoryKey(TLuachCategory Category);
std::optional<TLuachCategory> LuachCategoryOfKey(std::string_view Key);

}  // namespace mirvane
