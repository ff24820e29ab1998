#pragma once

#include <string>

namespace mirvane {

// One cell as RFC 4180 writes it: as it is, or in quotes (quotes inside
// doubled) when it holds a comma, a quote or a line end. Every comma
// separated output of the program, the window's included, writes its cells
// through this.
std::string CsvField(const std::string& Cell);

}  // namespace mirvane
