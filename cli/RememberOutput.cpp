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

// What the date is for and its customs, null where they are the program's
// own; in json only, so that the tables keep their columns.
void AddCustoms(TJson& Object, const TRememberRow& Row)
{
    const TRememberEntry& Entry = Row.Entry;
    const auto Custom = [](auto Value) {
        return Value == decltype(Value)::Options ? TJson(nullptr) : TJson(std::string(CustomName(Value)));
    };
    Object["what"] = std::string(WhatName(Entry.What));
    Object["adar"] = Custom(Entry.Adar);
    Object["shortMonth"] = Custom(Entry.ShortMonth);
    Object["adar1Thirty"] = Custom(Entry.Adar1Thirty);
    Object["burial"] = Entry.Burial ? TJson(IsoOf(*Entry.Burial)) : TJson(nullptr);
    Object["nextByBurial"] = Row.NextByBurial;
    if (Entry.Adar == TAdarCustom::Both) {
        TJson Dates = TJson::array();
        for (const TDateTime Date : Row.YearDates)
            Dates.push_back(IsoDateText(Date));
        Object["dates"] = std::move(Dates);
    }
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
    if (Twin)
        AddCustoms(Object, Row);
    return Object;
}

// The next date, and whether it is the first yahrzeit kept by the burial.
std::string NextText(const TRememberRow& Row)
{
    if (!Row.Next)
        return "-";
    return IsoDateText(*Row.Next) + (Row.NextByBurial ? " (first yahrzeit, by the burial)" : "");
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
            Table.Rows.push_back({std::to_string(Row.Entry.Id), TitleWithWhat(Row.Entry.What, Row.Entry.Occasion),
                                  IsoOf(Row.Entry.Date), JewishDateTextIn(Row.Entry.JewishDate, Hebrew),
                                  NextText(Row)});
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
            Table.Rows.push_back({IsoDateText(*Row.Next), std::to_string(*Days),
                                  TitleWithWhat(Row.Entry.What, Row.Entry.Occasion) +
                                      (Row.NextByBurial ? " (first yahrzeit, by the burial)" : "")});
    }
    WriteTable(Out, Table, TOutputFormat::Text);
}

}  // namespace mirvane
