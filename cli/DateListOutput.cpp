#include "cli/DateListOutput.h"

#include "cli/JsonText.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

std::string DateListJson(const TDateList& List, const std::pair<std::string, std::string>& HebrewHeading)
{
    TJson Dates = TJson::array();
    for (const TDateListEntry& Entry : List.Entries)
        Dates.push_back({{"date", IsoDateText(Entry.Listed.Date)}, {"text", Entry.Listed.Text}});
    TJson Document{{List.JsonHeading.first, List.JsonHeading.second}};
    if (!HebrewHeading.first.empty())
        Document[HebrewHeading.first] = HebrewHeading.second;
    Document["dates"] = std::move(Dates);
    return JsonText(Document);
}

void WriteDateListText(std::ostream& Out, const TDateList& List)
{
    for (const std::string& Line : List.TextHeading)
        Out << Line << '\n';
    for (const TDateListEntry& Entry : List.Entries)
        Out << Entry.Listed.Text << '\n';
}

}  // namespace

TCommandOutput DateListOutput(const TDateList& List, const std::pair<std::string, std::string>& HebrewHeading)
{
    return {[List](std::ostream& Out) { WriteDateListText(Out, List); },
            [List] { return TTable{DateListHeader(), DateListRows(List)}; },
            [List, HebrewHeading] { return DateListJson(List, HebrewHeading); },
            [List] { return DateListEvents(List); }};
}

}  // namespace mirvane
