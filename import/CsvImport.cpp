#include "import/CsvImport.h"

#include <array>

#include "import/CsvRows.h"
#include "import/ImportText.h"
#include "pages/AnniversaryPage.h"
#include "pages/JewishDateEntry.h"

namespace mirvane {
namespace {

constexpr std::array<std::string_view, 9> CalendarLayout = {
    "subject", "start date", "start time", "end date", "end time", "all day event", "description", "show time as",
    "location"};

constexpr std::array<std::string_view, 7> NameWords = {"name", "subject", "title", "occasion", "event", "who",
                                                      "\xD7\xA9\xD7\x9D"};  // שם
constexpr std::array<std::string_view, 3> DateWords = {"date", "when", "\xD7\xAA\xD7\x90\xD7\xA8\xD7\x99\xD7\x9A"};

template <std::size_t Count>
std::optional<std::size_t> ColumnNaming(const std::vector<std::string>& Header,
                                        const std::array<std::string_view, Count>& Words,
                                        std::optional<std::size_t> Besides = std::nullopt)
{
    for (const std::string_view Word : Words) {
        for (std::size_t Column = 0; Column < Header.size(); ++Column) {
            if (Column != Besides && ContainsWord(Header[Column], Word))
                return Column;
        }
    }
    return std::nullopt;
}

std::string Field(const TCsvRow& Row, std::size_t Column)
{
    return Column < Row.Fields.size() ? std::string(TrimBlanks(Row.Fields[Column])) : std::string();
}

std::string OtherFields(const TCsvRow& Row, std::size_t Name, std::size_t Date)
{
    std::string Note;
    for (std::size_t Column = 0; Column < Row.Fields.size(); ++Column) {
        if (Column != Name && Column != Date && !TrimBlanks(Row.Fields[Column]).empty())
            Note += (Note.empty() ? "" : "; ") + Row.Fields[Column];
    }
    return Note;
}

TImportedEvent EventOf(const TCsvRow& Row, std::size_t Name, std::size_t Date, std::string Note)
{
    TImportedEvent Event;
    Event.Title = Field(Row, Name);
    Event.DateText = Field(Row, Date);
    Event.Note = std::move(Note);
    Event.Place = "line " + std::to_string(Row.Line);
    return Event;
}

}  // namespace

bool IsCalendarCsvLayout(const std::vector<std::string>& Header)
{
    if (Header.size() < CalendarLayout.size())
        return false;
    for (std::size_t Column = 0; Column < CalendarLayout.size(); ++Column) {
        if (AsciiLower(TrimBlanks(Header[Column])) != CalendarLayout[Column])
            return false;
    }
    return true;
}

TCsvChoice GuessCsvColumns(const std::vector<std::string>& Header)
{
    TCsvChoice Choice;
    Choice.DateColumn = ColumnNaming(Header, DateWords);
    Choice.NameColumn = ColumnNaming(Header, NameWords, Choice.DateColumn);
    return Choice;
}

std::vector<std::string> CsvHeader(std::string_view Text)
{
    TCsvTable Table = ReadCsvTable(Text.substr(0, Text.find('\n') == std::string_view::npos
                                                       ? Text.size() : Text.find('\n') + 1));
    return Table.Rows.empty() ? std::vector<std::string>() : std::move(Table.Rows.front().Fields);
}

TImportRead ReadCsvEvents(std::string_view Text, const TImportChoices& Choices)
{
    TCsvTable Table = ReadCsvTable(Text);
    if (!Table.Failure.empty())
        return {{}, Table.Failure};
    if (Table.Rows.empty())
        return {{}, "The file is empty."};
    const std::vector<std::string>& Header = Table.Rows.front().Fields;
    TImportRead Read;
    if (IsCalendarCsvLayout(Header)) {
        const TDateOrder Order = Choices.Order.value_or(MonthDayYear);
        for (std::size_t Index = 1; Index < Table.Rows.size(); ++Index) {
            TImportedEvent Event = EventOf(Table.Rows[Index], 0, 1, Field(Table.Rows[Index], 6));
            Event.Gregorian = ReadEventDate(Event.DateText, Order, {}, Today());
            Read.Events.push_back(std::move(Event));
        }
        return Read;
    }
    const TCsvChoice Guess = GuessCsvColumns(Header);
    const std::optional<std::size_t> Name = Choices.Csv.NameColumn ? Choices.Csv.NameColumn : Guess.NameColumn;
    const std::optional<std::size_t> Date = Choices.Csv.DateColumn ? Choices.Csv.DateColumn : Guess.DateColumn;
    if (!Name || !Date || *Name >= Header.size() || *Date >= Header.size() || *Name == *Date)
        return {{}, "The file's first line names no name column and date column, as a list of dates has."};
    const TDateOrder Order = Choices.Order.value_or(DayMonthYear);
    for (std::size_t Index = 1; Index < Table.Rows.size(); ++Index) {
        const TCsvRow& Row = Table.Rows[Index];
        TImportedEvent Event = EventOf(Row, *Name, *Date, OtherFields(Row, *Name, *Date));
        if (Choices.Csv.JewishDates) {
            Event.Jewish = ParseJewishDateEntry(Event.DateText);
            Event.Recurs = TRememberKind::Jewish;
        } else {
            Event.Gregorian = ReadEventDate(Event.DateText, Order, {}, Today());
        }
        Read.Events.push_back(std::move(Event));
    }
    return Read;
}

}  // namespace mirvane
