#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mirvane {

struct TCsvRow {
    std::size_t Line = 0;  // of its first field, from 1
    std::vector<std::string> Fields;
};

struct TCsvTable {
    std::vector<TCsvRow> Rows;  // the header first
    std::string Failure;        // why the text is no table; then no rows
};

// RFC 4180 as spreadsheets write it: fields in double quotes may hold the
// separator, line breaks and doubled quotes; lines end in LF or CRLF; a
// UTF-8 byte order mark is dropped. The separator is a comma, or a
// semicolon or tab when the header line holds no comma. Blank lines are
// left out.
TCsvTable ReadCsvTable(std::string_view Text);

}  // namespace mirvane
