#include "learning/CycleReadings.h"
#include "learning/NachBooks.h"
#include "learning/PageWalk.h"

namespace mirvane {

using namespace std::chrono;

namespace {

constexpr sys_days NachYomiStart{year{2007} / November / day{1}};

}  // namespace

std::optional<TLearningReading> NachYomiReading(sys_days Day)
{
    static const TPageWalk Chapters(NachBooks());
    if (Day < NachYomiStart)
        return std::nullopt;
    return Chapters.PageAt(static_cast<int>((Day - NachYomiStart).count() % Chapters.PageCount()));
}

}  // namespace mirvane
