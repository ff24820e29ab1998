#include "export/DateListFile.h"

#include "engine/DateConversion.h"
#include "engine/GregorianDateText.h"
#include "engine/HebrewDateText.h"
#include "export/CsvText.h"

namespace mirvane {
namespace {

std::string JewishDateTextOf(TDateTime Date, bool Hebrew)
{
    return JewishDateTextIn(DateTimeToJewish(Date), Hebrew);
}

}  // namespace

TDateList FestivalDateList(const std::string& Name, const TFestivalPage& Page, bool Hebrew)
{
    TDateList List{Name, "festival", {}, {}, {"name", Name}, {}};
    for (const TListedDate& Listed : Page.Lines)
        List.Entries.push_back({Listed, JewishDateTextOf(Listed.Date, Hebrew)});
    return List;
}

TDateList AnniversaryDateList(const std::string& Name, const TAnniversaryPage& Page, bool Night, bool Hebrew)
{
    // Two people born on one Jewish date in different years are two
    // questions; the evening and the day of one anniversary are two too.
    std::string Origin;
    if (Page.Event)
        Origin = std::to_string(Page.Event->Year) + '-' + std::to_string(Page.Event->Month) + '-' +
                 std::to_string(Page.Event->Day) + (Night ? " eve" : "");
    TDateList List{Name, "anniversary", std::move(Origin), {Page.JewishDate}, {"jewishDate", Page.JewishDate}, {}};
    // With the night option the listed date is the evening before the day it
    // stands for.
    const std::string Eve = Hebrew ? "ערב " : "eve of ";
    for (const TListedDate& Listed : Page.Lines)
        List.Entries.push_back({Listed, Night ? Eve + JewishDateTextOf(Listed.Date + 1, Hebrew)
                                              : JewishDateTextOf(Listed.Date, Hebrew)});
    return List;
}

std::vector<std::string> DateListHeader()
{
    return {"date", "text", "jewishDate"};
}

std::vector<std::vector<std::string>> DateListRows(const TDateList& List)
{
    std::vector<std::vector<std::string>> Rows;
    for (const TDateListEntry& Entry : List.Entries)
        Rows.push_back({IsoDateText(Entry.Listed.Date), Entry.Listed.Text, Entry.JewishDate});
    return Rows;
}

std::vector<TIcsEvent> DateListEvents(const TDateList& List)
{
    std::vector<TIcsEvent> Events;
    for (const TDateListEntry& Entry : List.Entries) {
        const TDateTime Date = Entry.Listed.Date;
        Events.push_back({Date, List.EventName + " (" + Entry.JewishDate + ")", IcsUid(Date, List.Kind, List.EventName, List.Origin)});
    }
    return Events;
}

std::string DateListCsvText(const TDateList& List)
{
    std::string Text = CsvRecord(DateListHeader());
    for (const auto& Row : DateListRows(List))
        Text += CsvRecord(Row);
    return Text;
}

std::string DateListIcsText(const TDateList& List)
{
    return IcsCalendarText(DateListEvents(List));
}

}  // namespace mirvane
