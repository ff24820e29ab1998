#include <array>
#include <string>
#include <utility>

#include "luach/LuachYearBuilder.h"
#include "luach/OmerCount.h"

namespace mirvane {
namespace {

// The same 49 texts every year: written once.
const std::array<std::pair<std::string, std::string>, 50>& OmerTexts()
{
    static const auto Texts = [] {
        std::array<std::pair<std::string, std::string>, 50> Found;
        for (std::int32_t Day = 1; Day <= 49; ++Day)
            Found[static_cast<std::size_t>(Day)] = {OmerDayText(Day), HebrewOmerDayText(Day)};
        return Found;
    }();
    return Texts;
}

}  // namespace

// Day N is counted on the evening that begins 15 + N Nissan; it is shown on
// that day's daytime.
void AddOmer(TLuachYearBuilder& Builder)
{
    const std::int32_t Before = Builder.Offset(Nissan, 15);
    for (std::int32_t Day = 1; Day <= 49; ++Day) {
        const auto& [English, Hebrew] = OmerTexts()[static_cast<std::size_t>(Day)];
        Builder.Add(Before + Day, TLuachCategory::Omer, "omer", English, Hebrew);
        Builder.Last().OmerDay = Day;
    }
}

}  // namespace mirvane
