#pragma once

#include "cli/CommandOutput.h"
#include "export/DateListFile.h"

namespace mirvane {

// text: the headings, then one GregorianDateText a line. tsv, csv: a header
// "date, text, jewishDate", then one row per date. json: the heading member
// and "dates": [{"date", "text"}]. ics: one all-day event per date.
// HebrewHeading, when it has a name, follows the heading member in json.
TCommandOutput DateListOutput(const TDateList& List, const std::pair<std::string, std::string>& HebrewHeading = {});

}  // namespace mirvane
