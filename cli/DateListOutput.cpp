#include "cli/DateListOutput.h"

#include "cli/JsonText.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

std::string DateListJson(const TDateList& List, const std::pair<std::string, std::string>& HebrewHeading)
{
    std::vector<std::string> Dates;
    for (const TDateListEntry& Entry : List.Entries)
        Dates.push_back(JsonObject(
            {{"date", JsonString(IsoDateText(Entry.Listed.Date))}, {"text", JsonString(Entry.Listed.Text)}}));
    TJsonMembers Members{{List.JsonHeading.first, JsonString(List.JsonHeading.second)}};
    if (!HebrewHeading.first.empty())
        Members.emplace_back(HebrewHeading.first, JsonString(HebrewHeading.second));
    Members.emplace_back("dates", JsonArray(Dates));
    return JsonObject(Members);
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
