#include "cli/TableOutput.h"

#include "export/CsvText.h"

#include <algorithm>
#include <cstddef>

namespace mirvane {
namespace {

// Columns are as wide as their widest cell in characters, not bytes.
std::size_t CharacterCount(const std::string& Text)
{
    return static_cast<std::size_t>(
        std::count_if(Text.begin(), Text.end(), [](char Byte) { return (Byte & 0xC0) != 0x80; }));
}

void WriteAligned(std::ostream& Out, const std::vector<std::vector<std::string>>& Rows)
{
    std::vector<std::size_t> Widths;
    for (const auto& Row : Rows) {
        Widths.resize(std::max(Widths.size(), Row.size()));
        for (std::size_t Column = 0; Column < Row.size(); ++Column)
            Widths[Column] = std::max(Widths[Column], CharacterCount(Row[Column]));
    }
    for (const auto& Row : Rows) {
        std::string Line;
        for (std::size_t Column = 0; Column < Row.size(); ++Column) {
            if (Column > 0)
                Line += "  ";
            Line += Row[Column];
            if (Column + 1 < Row.size())
                Line.append(Widths[Column] - CharacterCount(Row[Column]), ' ');
        }
        Line.erase(Line.find_last_not_of(' ') + 1);
        Out << Line << '\n';
    }
}

void WriteSeparated(std::ostream& Out, const std::vector<std::string>& Row, TOutputFormat Format)
{
    if (Format == TOutputFormat::Csv) {
        Out << CsvRecord(Row);
        return;
    }
    for (std::size_t Column = 0; Column < Row.size(); ++Column) {
        if (Column > 0)
            Out << '\t';
        Out << Row[Column];
    }
    Out << '\n';
}

}  // namespace

void WriteTable(std::ostream& Out, const TTable& Table, TOutputFormat Format)
{
    if (Format == TOutputFormat::Text) {
        WriteAligned(Out, Table.Rows);
        return;
    }
    if (!Table.Header.empty())
        WriteSeparated(Out, Table.Header, Format);
    for (const auto& Row : Table.Rows)
        WriteSeparated(Out, Row, Format);
}

}  // namespace mirvane
