#include "cli/RememberOutput.h"

#include "cli/JsonText.h"
#include "cli/TableOutput.h"
#include "engine/Anniversary.h"
#include "engine/GregorianDateText.h"
#include "remember/NextDate.h"

namespace mirvane {
namespace {

std::string IsoOf(TGregorianDate Date)
{
    return IsoDateText(EncodeDate(Date.Year, Date.Month, Date.Day));
}

std::string JewishOf(const TRememberEntry& Entry)
{
    return JewishDateText(Entry.JewishDate.Year, Entry.JewishDate.Month, Entry.JewishDate.Day);
}

TJson RowJson(const TRememberRow& Row)
{
    const TRememberEntry& Entry = Row.Entry;
    return {{"id", Entry.Id},
            {"occasion", Entry.Occasion},
            {"date", IsoOf(Entry.Date)},
            {"jewishDate", JewishOf(Entry)},
            {"afterSunset", Entry.AfterSunset},
            {"kind", std::string(KindName(Entry.Kind))},
            {"daysBefore", Entry.DaysBefore},
            {"next", Row.Next ? TJson(IsoDateText(*Row.Next)) : TJson(nullptr)},
            {"nextText", Row.Next ? GregorianDateText(*Row.Next) : std::string()}};
}

std::vector<std::string> RowCells(const TRememberRow& Row)
{
    std::vector<std::string> Cells;
    const TJson Object = RowJson(Row);
    for (const TJson& Value : Object)
        Cells.push_back(Value.is_string() ? Value.get<std::string>() : Value.is_null() ? "" : Value.dump());
    return Cells;
}

}  // namespace

void WriteRememberList(std::ostream& Out, const std::vector<TRememberRow>& Rows, TOutputFormat Format)
{
    if (Format == TOutputFormat::Json) {
        TJson Dates = TJson::array();
        for (const TRememberRow& Row : Rows)
            Dates.push_back(RowJson(Row));
        Out << JsonText({{"dates", std::move(Dates)}}) << '\n';
        return;
    }
    TTable Table;
    if (Format == TOutputFormat::Text) {
        for (const TRememberRow& Row : Rows)
            Table.Rows.push_back({std::to_string(Row.Entry.Id), Row.Entry.Occasion, IsoOf(Row.Entry.Date),
                                  JewishOf(Row.Entry), Row.Next ? IsoDateText(*Row.Next) : "-"});
    } else {
        Table.Header = {"id",   "occasion",   "date", "jewishDate", "afterSunset",
                        "kind", "daysBefore", "next", "nextText"};
        for (const TRememberRow& Row : Rows)
            Table.Rows.push_back(RowCells(Row));
    }
    WriteTable(Out, Table, Format);
}

void WriteDueDates(std::ostream& Out, const std::vector<TRememberRow>& Rows, TDateTime Today)
{
    TTable Table;
    for (const TRememberRow& Row : Rows) {
        if (const std::optional<std::int32_t> Days = DueIn(Row.Entry, Row.Next, Today))
            Table.Rows.push_back({IsoDateText(*Row.Next), std::to_string(*Days), Row.Entry.Occasion});
    }
    WriteTable(Out, Table, TOutputFormat::Text);
}

}  // namespace mirvane
