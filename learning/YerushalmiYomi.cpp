#include <cstdint>

#include "learning/CycleReadings.h"
#include "learning/FastDays.h"
#include "learning/PageWalk.h"
#include "learning/TalmudTractates.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days VilnaStart{year{1980} / February / day{2}};
constexpr sys_days SchottensteinStart{year{2022} / November / day{14}};

}  // namespace

// The Vilna pages rest on Yom Kippur and Tisha B'Av and go on the day after.
std::optional<TLearningReading> YerushalmiVilnaReading(sys_days Day)
{
    static const TPageWalk Pages(YerushalmiVilnaTractates());
    if (Day < VilnaStart || IsMajorFastDay(Day))
        return std::nullopt;
    const std::int64_t Learnt = (Day - VilnaStart).count() - MajorFastDaysBetween(VilnaStart, Day);
    return Pages.PageAt(static_cast<int>(Learnt % Pages.PageCount()));
}

std::optional<TLearningReading> YerushalmiSchottensteinReading(sys_days Day)
{
    static const TPageWalk Pages(YerushalmiSchottensteinTractates());
    if (Day < SchottensteinStart)
        return std::nullopt;
    return Pages.PageAt(static_cast<int>((Day - SchottensteinStart).count() % Pages.PageCount()));
}

}  // namespace mirvane
