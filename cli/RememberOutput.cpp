#include "cli/RememberOutput.h"

#include "cli/CommandOutput.h"
#include "cli/JsonText.h"
#include "cli/TableOutput.h"
#include "engine/HebrewDateText.h"
#include "engine/Anniversary.h"
#include "engine/GregorianDateText.h"
#include "remember/NextDate.h"

namespace mirvane {
namespace {

std::string IsoOf(TGregorianDate Date)
{
    return IsoDateText(EncodeDate(Date.Year, Date.Month, Date.Day));
}

// Hebrew: the table's Jewish date in Hebrew letters, and in json its twin.
TJson RowJson(const TRememberRow& Row, bool Hebrew, bool Twin)
{
    const TRememberEntry& Entry = Row.Entry;
    TJson Object{{"id", Entry.Id},
                 {"occasion", Entry.Occasion},
                 {"date", IsoOf(Entry.Date)},
                 {"jewishDate", JewishDateTextIn(Entry.JewishDate, Hebrew && !Twin)}};
    if (Hebrew && Twin)
        Object["jewishDateHebrew"] = JewishDateTextIn(Entry.JewishDate, true);
    Object["afterSunset"] = Entry.AfterSunset;
    Object["kind"] = std::string(KindName(Entry.Kind));
    Object["daysBefore"] = Entry.DaysBefore;
    Object["next"] = Row.Next ? TJson(IsoDateText(*Row.Next)) : TJson(nullptr);
    Object["nextText"] = Row.Next ? GregorianDateText(*Row.Next) : std::string();
    return Object;
}

std::vector<std::string> RowCells(const TRememberRow& Row, bool Hebrew)
{
    std::vector<std::string> Cells;
    const TJson Object = RowJson(Row, Hebrew, false);
    for (const TJson& Value : Object)
        Cells.push_back(Value.is_string() ? Value.get<std::string>() : Value.is_null() ? "" : Value.dump());
    return Cells;
}

}  // namespace

void WriteRememberList(std::ostream& Out, const std::vector<TRememberRow>& Rows, TOutputFormat Format, bool Hebrew)
{
    TCommandOutput Output;
    Output.Text = [&](std::ostream& Text) {
        TTable Table;
        for (const TRememberRow& Row : Rows)
            Table.Rows.push_back({std::to_string(Row.Entry.Id), Row.Entry.Occasion, IsoOf(Row.Entry.Date),
                                  JewishDateTextIn(Row.Entry.JewishDate, Hebrew),
                                  Row.Next ? IsoDateText(*Row.Next) : "-"});
        WriteTable(Text, Table, TOutputFormat::Text);
    };
    Output.Table = [&] {
        TTable Table;
        Table.Header = {"id", "occasion", "date", "jewishDate", "afterSunset", "kind", "daysBefore", "next", "nextText"};
        for (const TRememberRow& Row : Rows)
            Table.Rows.push_back(RowCells(Row, Hebrew));
        return Table;
    };
    Output.Json = [&] {
        TJson Dates = TJson::array();
        for (const TRememberRow& Row : Rows)
            Dates.push_back(RowJson(Row, Hebrew, true));
        return JsonText({{"dates", std::move(Dates)}});
    };
    WriteCommandOutput(Out, Output, Format);
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
