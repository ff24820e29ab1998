#include "grid/GregorianMonthLength.h"

#include <array>
#include <cstddef>

namespace mirvane {
namespace {

constexpr std::array<std::int32_t, 13> DaysOfMonth = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace

bool IsGregorianLeap(std::int32_t Year)
{
    return Year % 4 == 0 && !(Year % 100 == 0 && Year % 400 != 0);
}

std::int32_t GregorianMonthDays(std::int32_t Year, std::int32_t Month)
{
    if (Month < 1 || Month > 12)
        return 0;
    const std::int32_t Days = DaysOfMonth[static_cast<std::size_t>(Month)];
    return Month == 2 && IsGregorianLeap(Year) ? Days + 1 : Days;
}

}  // namespace mirvane
