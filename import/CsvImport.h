#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "import/ImportChoices.h"
#include "import/ImportedEvent.h"

namespace mirvane {

// The calendar-import layout: "Subject","Start Date","Start Time",...
bool IsCalendarCsvLayout(const std::vector<std::string>& Header);

// The name and date columns the header's names suggest, or unset.
TCsvChoice GuessCsvColumns(const std::vector<std::string>& Header);

// The header's names, for choosing the columns; empty when the text is no
// table.
std::vector<std::string> CsvHeader(std::string_view Text);

// One event a row. The calendar-import layout is read by its fixed columns;
// any other table by the chosen or guessed name and date columns, whose
// other fields become the event's note (where "Yahrzeit" or "after sunset"
// may be said).
TImportRead ReadCsvEvents(std::string_view Text, const TImportChoices& Choices);

}  // namespace mirvane
