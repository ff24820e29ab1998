#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "cli/OutputFormat.h"

namespace mirvane {

struct TTable {
    std::vector<std::string> Header;  // written by tsv and csv when not empty
    std::vector<std::vector<std::string>> Rows;
};

// Text: columns aligned for people, two blanks apart, no header, no blanks
// at a line's end. Tsv: cells exactly as they are, one tab apart. Csv: RFC
// 4180, CRLF line ends, quotes only where a cell needs them.
void WriteTable(std::ostream& Out, const TTable& Table, TOutputFormat Format);

}  // namespace mirvane
