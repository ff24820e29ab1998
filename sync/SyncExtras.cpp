#include "sync/SyncExtras.h"

#include "engine/GregorianDateText.h"
#include "export/FestivalEvents.h"
#include "export/TimesFile.h"
#include "times/CivilDay.h"

namespace mirvane {
namespace {

// Apart from the export's own UID, so that a file of festivals the user
// imported into the same calendar is never taken for ours.
std::string SyncUidOf(const std::string& ExportUid)
{
    return "mirvane-" + ExportUid;
}

std::pair<std::string, std::string> Source(const char* Which)
{
    return {SourceProperty, Which};
}

template <typename TEvent>
TSyncEvent Marked(TEvent Event, const char* Which, const std::string& When)
{
    Event.Uid = SyncUidOf(Event.Uid);
    const std::string Digest = EventDigest(Event.Uid + '\n' + When + '\n' + Event.Summary);
    Event.Properties.push_back(Source(Which));
    Event.Properties.emplace_back(DigestProperty, Digest);
    return {Event.Uid, 0, Digest, IcsCalendarText(std::vector<TEvent>{Event})};
}

}  // namespace

std::vector<TSyncEvent> ExtraSyncEvents(const TSyncExtras& Extras)
{
    // A 29 February's year on is the 1 March after it, so the day before is
    // the last of February.
    using namespace std::chrono;
    const sys_days First = DayOfDateTime(Extras.From);
    const sys_days Next = sys_days{year_month_day{First} + years{1}};
    const TDateTime Last = DateTimeOfDay(Next - days{1});
    std::vector<TSyncEvent> Events;
    if (Extras.Festivals)
        for (const TIcsEvent& Festival : FestivalEventsBetween(Extras.From, Last, Extras.Rules))
            Events.push_back(Marked(Festival, "festivals", IsoDateText(Festival.Date)));
    if (const std::optional<TTimesSite>& Site = Extras.Candles; Site && Site->Zone)
        for (const TIcsMoment& Time :
             TimesEvents(Site->Where, *Site->Zone, First, Next - days{1}, Site->Rules))
            Events.push_back(Marked(Time, "candles", std::to_string(Time.At.time_since_epoch().count())));
    return Events;
}

}  // namespace mirvane
