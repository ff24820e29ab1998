#pragma once

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "cli/OutputFormat.h"
#include "pages/YearList.h"

namespace mirvane {

// One listed date and the Jewish date it stands for.
struct TDateListEntry {
    TListedDate Listed;
    std::string JewishDate;
};

// The answer of the Festivals or the Birthdays/Yahrtzeits page as the
// command line writes it.
struct TDateList {
    std::string EventName;                  // in the calendar file's summaries
    std::vector<std::string> TextHeading;   // lines before the dates in text
    std::pair<std::string, std::string> JsonHeading;  // first member of the JSON object
    std::vector<TDateListEntry> Entries;
};

// text: the headings, then one GregorianDateText a line. tsv, csv: a header
// "date, text, jewishDate", then one row per date. json: the heading member
// and "dates": [{"date", "text"}]. ics: one all-day event per date.
void WriteDateList(std::ostream& Out, const TDateList& List, TOutputFormat Format);

}  // namespace mirvane
