#include "luach/LuachCategory.h"

namespace mirvane {

std::string_view LuachCategoryKey(TLuachCategory Category)
{
    static constexpr std::array<std::string_view, AllLuachCategories.size()> Keys{
        "festivals", "rosh-chodesh", "omer", "special-shabbat", "mevarchim", "modern", "minor", "learning"};
    return Keys[static_cast<std::size_t>(Category)];
}

std::optional<TLuachCategory> LuachCategoryOfKey(std::string_view Key)
{
    for (TLuachCategory Category : AllLuachCategories)
        if (LuachCategoryKey(Category) == Key)
            return Category;
    return std::nullopt;
}

}  // namespace mirvane
