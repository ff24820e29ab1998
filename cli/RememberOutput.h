#pragma once

#include <ostream>
#include <vector>

#include "cli/OutputFormat.h"
#include "engine/DateServices.h"
#include "remember/RememberSort.h"

namespace mirvane {

// `remember list`: text aligned for people (id, occasion, date, Jewish
// date, date this year); tsv and csv a header of the JSON keys and one row
// an entry; json {"dates": [...]}. Hebrew writes the Jewish dates in Hebrew
// letters, and in json adds them as jewishDateHebrew beside the English.
void WriteRememberList(std::ostream& Out, const std::vector<TRememberRow>& Rows, TOutputFormat Format, bool Hebrew);

// `remember due`: one line a due entry, soonest first: ISO next date, days
// until it, occasion.
void WriteDueDates(std::ostream& Out, const std::vector<TRememberRow>& Rows, TDateTime Today);

}  // namespace mirvane
