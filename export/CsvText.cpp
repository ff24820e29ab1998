#include "export/CsvText.h"

namespace mirvane {

std::string CsvField(const std::string& Cell)
{
    if (Cell.find_first_of(",\"\r\n") == std::string::npos)
        return Cell;
    std::string Quoted = "\"";
    for (const char Character : Cell) {
        if (Character == '"')
            Quoted += '"';
        Quoted += Character;
    }
    return Quoted + '"';
}

std::string CsvRecord(const std::vector<std::string>& Cells)
{
    std::string Record;
    for (std::size_t Column = 0; Column < Cells.size(); ++Column) {
        if (Column > 0)
            Record += ',';
        Record += CsvField(Cells[Column]);
    }
    return Record + "\r\n";
}

}  // namespace mirvane
