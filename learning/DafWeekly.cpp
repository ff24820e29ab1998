#include "learning/CycleReadings.h"
#include "learning/PageWalk.h"
#include "learning/TalmudTractates.h"

namespace mirvane {

using namespace std::chrono;

namespace {

// A Sunday; each page is learnt the whole week from Sunday.
constexpr sys_days DafWeeklyStart{year{2005} / March / day{6}};

}  // namespace

std::optional<TLearningReading> DafWeeklyReading(sys_days Day)
{
    static const TPageWalk Pages(BabylonianTractates());
    if (Day < DafWeeklyStart)
        return std::nullopt;
    return Pages.PageAt(static_cast<int>((Day - DafWeeklyStart).count() / 7 % Pages.PageCount()));
}

}  // namespace mirvane
