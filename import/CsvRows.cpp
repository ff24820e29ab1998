#include "import/CsvRows.h"

#include "import/ImportText.h"

namespace mirvane {
namespace {

char SeparatorOf(std::string_view Text)
{
    const std::string_view Header = Text.substr(0, Text.find('\n'));
    if (Header.find(',') != std::string_view::npos)
        return ',';
    if (Header.find(';') != std::string_view::npos)
        return ';';
    return Header.find('\t') != std::string_view::npos ? '\t' : ',';
}

bool IsBlankRow(const TCsvRow& Row)
{
    return Row.Fields.size() == 1 && TrimBlanks(Row.Fields.front()).empty();
}

}  // namespace

TCsvTable ReadCsvTable(std::string_view Text)
{
    Text = WithoutBom(Text);
    const char Separator = SeparatorOf(Text);
    TCsvTable Table;
    TCsvRow Row{1, {std::string()}};
    std::size_t Line = 1;
    bool Quoted = false;
    std::size_t QuoteLine = 0;
    const auto EndRow = [&] {
        if (!IsBlankRow(Row))
            Table.Rows.push_back(std::move(Row));
        Row = TCsvRow{Line, {std::string()}};
    };
    for (std::size_t Index = 0; Index < Text.size(); ++Index) {
        const char Character = Text[Index];
        if (Quoted) {
            if (Character == '"' && Index + 1 < Text.size() && Text[Index + 1] == '"') {
                Row.Fields.back() += '"';
                ++Index;
            } else if (Character == '"') {
                Quoted = false;
            } else {
                if (Character == '\n')
                    ++Line;
                if (Character != '\r' || Index + 1 >= Text.size() || Text[Index + 1] != '\n')
                    Row.Fields.back() += Character;
            }
        } else if (Character == '"') {
            Quoted = true;
            QuoteLine = Line;
        } else if (Character == Separator) {
            Row.Fields.emplace_back();
        } else if (Character == '\n') {
            ++Line;
            EndRow();
        } else if (Character != '\r') {
            Row.Fields.back() += Character;
        }
    }
    if (Quoted)
        return {{}, "The file ends inside the quoted field that begins on line " + std::to_string(QuoteLine) +
                        ": it may have been cut short."};
    EndRow();
    return Table;
}

}  // namespace mirvane
