#include "cli/DateListOutput.h"

#include "cli/JsonText.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

std::string DateListJson(const TDateList& List)
{
    std::vector<std::string> Dates;
    for (const TDateListEntry& Entry : List.Entries)
        Dates.push_back(JsonObject(
            {{"date", JsonString(IsoDateText(Entry.Listed.Date))}, {"text", JsonString(Entry.Listed.Text)}}));
    return JsonObject({{List.JsonHeading.first, JsonString(List.JsonHeading.second)}, {"dates", JsonArray(Dates)}});
}

void WriteDateListText(std::ostream& Out, const TDateList& List)
{
    for (const std::string& Line : List.TextHeading)
        Out << Line << '\n';
    for (const TDateListEntry& Entry : List.Entries)
        Out << Entry.Listed.Text << '\n';
}

}  // namespace

TCommandOutput DateListOutput(const TDateList& List)
{
    return {[List](std::ostream& Out) { WriteDateListText(Out, List); },
            [List] { return TTable{DateListHeader(), DateListRows(List)}; },
            [List] { return DateListJson(List); },
            [List] { return DateListEvents(List); }};
}

}  // namespace mirvane
