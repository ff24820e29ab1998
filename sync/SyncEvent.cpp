#include "sync/SyncEvent.h"

#include <algorithm>
#include <cstdio>
#include <map>

#include "engine/GregorianDateText.h"
#include "export/IcsCalendar.h"
#include "remember/RememberExport.h"

namespace mirvane {
namespace {

std::string SyncUid(std::int64_t EntryId, TDateTime Date)
{
    std::string Day = IsoDateText(Date);
    std::erase(Day, '-');
    return "mirvane-" + std::to_string(EntryId) + '-' + Day + "@mirvane";
}

}  // namespace

// FNV-1a.
std::string EventDigest(const std::string& What)
{
    std::uint64_t Hash = 14695981039346656037ULL;
    for (const char Character : What)
        Hash = (Hash ^ static_cast<unsigned char>(Character)) * 1099511628211ULL;
    char Digits[17];
    std::snprintf(Digits, sizeof Digits, "%016llx", static_cast<unsigned long long>(Hash));
    return Digits;
}

std::vector<TSyncEvent> WantedSyncEvents(const std::vector<TRememberEntry>& Entries, std::int32_t FirstYear,
                                         std::int32_t Years, bool PlainAdarIsAdar2)
{
    std::map<std::int64_t, const TRememberEntry*> ById;
    for (const TRememberEntry& Entry : Entries)
        ById[Entry.Id] = &Entry;
    std::vector<TSyncEvent> Wanted;
    for (const TRememberEvent& Day :
         RememberEvents(Entries, FirstYear, std::clamp(Years, 1, MaxSyncYears) + 1, PlainAdarIsAdar2)) {
        const TRememberEntry& Entry = *ById.at(Day.Id);
        TIcsReminderEvent Event;
        Event.Event = {Day.Date, TitleWithWhat(Entry.What, Entry.Occasion) + " (" + Day.JewishDate + ')',
                       SyncUid(Day.Id, Day.Date)};
        Event.AlarmDaysBefore = Entry.DaysBefore;
        Event.Properties.emplace_back(EntryProperty, std::to_string(Day.Id));
        const std::string Digest = EventDigest(Event.Event.Uid + '\n' + IsoDateText(Day.Date) + '\n' +
                                            Event.Event.Summary + '\n' + std::to_string(Event.AlarmDaysBefore));
        Event.Properties.emplace_back(DigestProperty, Digest);
        Wanted.push_back({Event.Event.Uid, Day.Id, Digest, IcsCalendarText(std::vector<TIcsReminderEvent>{Event})});
    }
    return Wanted;
}

}  // namespace mirvane
