#pragma once

#include <string>
#include <vector>

namespace mirvane {

// One cell as RFC 4180 writes it: quoted, with quotes doubled, only where it
// holds a comma, a quote or a line end.
std::string CsvField(const std::string& Cell);

// One record: the cells a comma apart, ended by CRLF.
std::string CsvRecord(const std::vector<std::string>& Cells);

}  // namespace mirvane
