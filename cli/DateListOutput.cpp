#include "cli/DateListOutput.h"

#include "cli/IcsCalendar.h"
#include "cli/JsonText.h"
#include "cli/TableOutput.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

std::string DateListJson(const TDateList& List)
{
    TJson Dates = TJson::array();
    for (const TDateListEntry& Entry : List.Entries)
        Dates.push_back({{"date", IsoDateText(Entry.Listed.Date)}, {"text", Entry.Listed.Text}});
    return JsonText({{List.JsonHeading.first, List.JsonHeading.second}, {"dates", std::move(Dates)}});
}

std::vector<TIcsEvent> DateListEvents(const TDateList& List)
{
    std::vector<TIcsEvent> Events;
    for (const TDateListEntry& Entry : List.Entries) {
        const TDateTime Date = Entry.Listed.Date;
        Events.push_back({Date, List.EventName + " (" + Entry.JewishDate + ")", IcsUid(Date, List.EventName)});
    }
    return Events;
}

}  // namespace

void WriteDateList(std::ostream& Out, const TDateList& List, TOutputFormat Format)
{
    switch (Format) {
    case TOutputFormat::Json:
        Out << DateListJson(List) << '\n';
        return;
    case TOutputFormat::Ics:
        Out << IcsCalendarText(DateListEvents(List));
        return;
    case TOutputFormat::Text:
        for (const std::string& Line : List.TextHeading)
            Out << Line << '\n';
        for (const TDateListEntry& Entry : List.Entries)
            Out << Entry.Listed.Text << '\n';
        return;
    case TOutputFormat::Tsv:
    case TOutputFormat::Csv: {
        TTable Table{{"date", "text", "jewishDate"}, {}};
        for (const TDateListEntry& Entry : List.Entries)
            Table.Rows.push_back({IsoDateText(Entry.Listed.Date), Entry.Listed.Text, Entry.JewishDate});
        WriteTable(Out, Table, Format);
        return;
    }
    }
}

}  // namespace mirvane
