#include "remember/RememberExport.h"

#include <algorithm>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/GregorianDateText.h"
#include "export/CsvText.h"
#include "export/IcsCalendar.h"
#include "remember/NextDate.h"
#include "remember/RememberSort.h"

namespace mirvane {
namespace {

constexpr std::int32_t LastWritableYear = 9999;

// What an entry's days are counted from: two entries of one name on other
// dates, or of one date under other rules, are other questions.
std::string RememberOrigin(const TRememberEntry& Entry)
{
    return std::string(KindName(Entry.Kind)) + ' ' + std::to_string(Entry.Date.Year) + '-' +
           std::to_string(Entry.Date.Month) + '-' + std::to_string(Entry.Date.Day) + ' ' +
           std::to_string(Entry.JewishDate.Year) + '-' + std::to_string(Entry.JewishDate.Month) + '-' +
           std::to_string(Entry.JewishDate.Day);
}
std::string IsoOf(TGregorianDate Date)
{
    return IsoDateText(EncodeDate(Date.Year, Date.Month, Date.Day));
}

// The entry's own fields, enough to make the same entry again: the date it
// recurs on (the Jewish one for a Jewish date), how, and its customs.
std::vector<std::pair<std::string, std::string>> DefinitionOf(const TRememberEntry& Entry)
{
    const TJewishDate& Jewish = Entry.JewishDate;
    std::vector<std::pair<std::string, std::string>> Properties{
        {"X-MIRVANE-ENTRY", std::to_string(Entry.Id)},
        {"X-MIRVANE-OCCASION", Entry.Occasion},
        {"X-MIRVANE-WHAT", std::string(WhatName(Entry.What))},
        {"X-MIRVANE-DATE", Entry.Kind == TRememberKind::Jewish ? JewishDateText(Jewish.Year, Jewish.Month, Jewish.Day)
                                                                : IsoOf(Entry.Date)},
        {"X-MIRVANE-RECURS", std::string(KindName(Entry.Kind))},
        {"X-MIRVANE-AFTER-SUNSET", Entry.AfterSunset ? "TRUE" : "FALSE"},
        {"X-MIRVANE-DAYS-BEFORE", std::to_string(Entry.DaysBefore)},
        {"X-MIRVANE-ADAR", std::string(CustomName(Entry.Adar))},
        {"X-MIRVANE-SHORT-MONTH", std::string(CustomName(Entry.ShortMonth))},
        {"X-MIRVANE-ADAR1-30", std::string(CustomName(Entry.Adar1Thirty))},
    };
    if (Entry.Burial)
        Properties.emplace_back("X-MIRVANE-BURIAL", IsoOf(*Entry.Burial));
    return Properties;
}

}  // namespace

std::vector<TRememberEvent> RememberEvents(const std::vector<TRememberEntry>& Entries, std::int32_t FirstYear,
                                           std::int32_t Years, bool PlainAdarIsAdar2)
{
    std::vector<TRememberEvent> Events;
    const std::int32_t LastYear = std::min(FirstYear + std::clamp(Years, 0, MaxExportYears) - 1, LastWritableYear);
    for (const TRememberEntry& Entry : Entries) {
        const std::vector<std::pair<std::string, std::string>> Definition = DefinitionOf(Entry);
        for (std::int32_t Year = std::max(FirstYear, 1); Year <= LastYear; ++Year) {
            for (const TDateTime Date : DatesInYear(Entry, Year, PlainAdarIsAdar2)) {
                TJewishDate Jewish;
                try {
                    Jewish = DateTimeToJewish(Date);
                } catch (const EConvertError&) {
                    continue;
                }
                TRememberEvent Event;
                Event.Id = Entry.Id;
                Event.Date = Date;
                Event.Occasion = Entry.Occasion;
                Event.JewishDate = JewishDateText(Jewish.Year, Jewish.Month, Jewish.Day);
                Event.Summary = TitleWithWhat(Entry.What, Entry.Occasion) + " (" + Event.JewishDate + ")";
                Event.What = Entry.What;
                Event.Definition = Definition;
                Event.Uid = IcsUid(Date, "remember", Entry.Occasion, RememberOrigin(Entry));
                Events.push_back(std::move(Event));
            }
        }
    }
    std::stable_sort(Events.begin(), Events.end(), [](const TRememberEvent& A, const TRememberEvent& B) {
        if (A.Date != B.Date)
            return A.Date < B.Date;
        if (const int Order = CompareOccasions(A.Occasion, B.Occasion); Order != 0)
            return Order < 0;
        return A.Id < B.Id;
    });
    return Events;
}

namespace {

std::vector<std::string> CategoriesOf(TOccasionWhat What)
{
    if (What == TOccasionWhat::Other)
        return {};
    return {std::string(WhatTitle(What))};
}

}  // namespace

std::string RememberIcsText(const std::vector<TRememberEvent>& Events)
{
    std::vector<TIcsEvent> Calendar;
    Calendar.reserve(Events.size());
    for (const TRememberEvent& Event : Events)
        Calendar.push_back({Event.Date, Event.Summary, Event.Uid, CategoriesOf(Event.What), Event.Definition});
    return IcsCalendarText(Calendar);
}

std::string RememberCsvText(const std::vector<TRememberEvent>& Events)
{
    std::string Out = CsvRecord({"date", "occasion", "jewishDate", "summary", "uid"});
    for (const TRememberEvent& Event : Events)
        Out += CsvRecord({IsoDateText(Event.Date), Event.Occasion, Event.JewishDate, Event.Summary, Event.Uid});
    return Out;
}

}  // namespace mirvane
