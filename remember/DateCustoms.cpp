#include "remember/DateCustoms.h"

#include <array>

namespace mirvane {
namespace {

constexpr std::array<std::string_view, 4> WhatNames = {"other", "yahrzeit", "birthday", "anniversary"};
constexpr std::array<std::string_view, 4> WhatTitles = {"", "Yahrzeit", "Birthday", "Anniversary"};
constexpr std::array<std::string_view, 4> AdarNames = {"options", "adar1", "adar2", "both"};
constexpr std::array<std::string_view, 4> ShortMonthNames = {"options", "next", "29", "first"};
constexpr std::array<std::string_view, 3> Adar1ThirtyNames = {"options", "shvat", "nissan"};

template <typename TEnum, std::size_t Count>
std::string_view NameOf(const std::array<std::string_view, Count>& Names, TEnum Value)
{
    const auto Index = static_cast<std::size_t>(Value);
    return Index < Count ? Names[Index] : std::string_view();
}

template <typename TEnum, std::size_t Count>
std::optional<TEnum> ValueOf(const std::array<std::string_view, Count>& Names, std::string_view Name)
{
    for (std::size_t Index = 0; Index < Count; ++Index) {
        if (Names[Index] == Name)
            return static_cast<TEnum>(Index);
    }
    return std::nullopt;
}

}  // namespace

std::string_view WhatName(TOccasionWhat What)
{
    return NameOf(WhatNames, What);
}

std::optional<TOccasionWhat> WhatFromName(std::string_view Name)
{
    return ValueOf<TOccasionWhat>(WhatNames, Name);
}

std::string_view CustomName(TAdarCustom Custom)
{
    return NameOf(AdarNames, Custom);
}

std::string_view CustomName(TShortMonthCustom Custom)
{
    return NameOf(ShortMonthNames, Custom);
}

std::string_view CustomName(TAdar1ThirtyCustom Custom)
{
    return NameOf(Adar1ThirtyNames, Custom);
}

std::optional<TAdarCustom> AdarCustomFromName(std::string_view Name)
{
    return ValueOf<TAdarCustom>(AdarNames, Name);
}

std::optional<TShortMonthCustom> ShortMonthCustomFromName(std::string_view Name)
{
    return ValueOf<TShortMonthCustom>(ShortMonthNames, Name);
}

std::optional<TAdar1ThirtyCustom> Adar1ThirtyCustomFromName(std::string_view Name)
{
    return ValueOf<TAdar1ThirtyCustom>(Adar1ThirtyNames, Name);
}

std::string_view WhatTitle(TOccasionWhat What)
{
    return NameOf(WhatTitles, What);
}

std::string TitleWithWhat(TOccasionWhat What, std::string_view Occasion)
{
    const std::string_view Title = WhatTitle(What);
    if (Title.empty())
        return std::string(Occasion);
    return std::string(Title) + ": " + std::string(Occasion);
}

}  // namespace mirvane
