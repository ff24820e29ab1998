#include "cli/DateListOutput.h"

#include "cli/JsonText.h"
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
