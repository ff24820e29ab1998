#include "pages/CsvField.h"

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

}  // namespace mirvane
