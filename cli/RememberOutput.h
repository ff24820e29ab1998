#pragma once

#include <ostream>
#include <vector>

#include "cli/OutputFormat.h"
#include "engine/DateServices.h"
#include "remember/RememberSort.h"

namespace mirvane {

// `remember list`: text aligned for people (id, occasion, date, Jewish
// date, date this year); tsv and csv a header of the JSON keys and one row
// an entry; json {"dates": [...]}.
void WriteRememberList(std::ostream& Out, const std::vector<TRememberRow>& Rows, TOutputFormat Format);

// `remember due`: one line a due entry, soonest first: ISO next date, days
// until it, occasion.
void WriteDueDates(std::ostream& Out, const std::vector<TRememberRow>& Rows, TDateTime Today);

}  // namespace mirvane
