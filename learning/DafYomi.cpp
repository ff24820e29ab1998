#include <cstdint>

#include "learning/CycleReadings.h"
#include "learning/DafYomiSchedule.h"
#include "learning/TalmudTractates.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days DafYomiStart{year{1923} / September / day{11}};
// The seventh cycle was the last to learn the short Shekalim.
constexpr int ShortShekalimCycles = 7;

}  // namespace

std::optional<TDafYomiPlace> DafYomiPlaceOn(sys_days Day)
{
    static const TPageWalk Short(BabylonianTractates(), ShekalimIndex, ShortShekalimLast);
    static const TPageWalk Full(BabylonianTractates());
    if (Day < DafYomiStart)
        return std::nullopt;
    const std::int64_t Days = (Day - DafYomiStart).count();
    const std::int64_t ShortDays = std::int64_t{ShortShekalimCycles} * Short.PageCount();
    if (Days < ShortDays)
        return TDafYomiPlace{&Short, static_cast<int>(Days % Short.PageCount())};
    return TDafYomiPlace{&Full, static_cast<int>((Days - ShortDays) % Full.PageCount())};
}

std::optional<TLearningReading> DafYomiReading(sys_days Day)
{
    const std::optional<TDafYomiPlace> Place = DafYomiPlaceOn(Day);
    if (!Place)
        return std::nullopt;
    return Place->Walk->PageAt(Place->Index);
}

}  // namespace mirvane
