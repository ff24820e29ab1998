#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/MoladTime.h"
#include "luach/LuachCategory.h"

namespace mirvane {

// One line of the luach on one civil day. The numbers are set only where the
// category has them: Month for Rosh Chodesh and Mevarchim (the month begun or
// announced, numbered as the calendar numbers months), RoshChodeshDay 1 or 2,
// OmerDay 1..49, Molad for Mevarchim, Reading for a learning cycle.
struct TLuachEntry {
    TLuachCategory Category = TLuachCategory::Festival;
    std::string_view Key;
    std::string English;
    std::string Hebrew;
    std::int32_t Month = 0;
    std::int32_t RoshChodeshDay = 0;
    std::int32_t OmerDay = 0;
    std::optional<TMoladClock> Molad;
    std::string Reading;
};

}  // namespace mirvane
