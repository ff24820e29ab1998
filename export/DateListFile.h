#pragma once

#include <string>
#include <utility>
#include <vector>

#include "export/IcsCalendar.h"
#include "pages/AnniversaryPage.h"
#include "pages/FestivalPage.h"
#include "pages/YearList.h"

namespace mirvane {

// One listed date and the Jewish date it stands for.
struct TDateListEntry {
    TListedDate Listed;
    std::string JewishDate;
};

// The answer of the Festivals or the Birthdays/Yahrtzeits page as files hold
// it, whether the command line or the window writes them.
struct TDateList {
    std::string EventName;                            // in the calendar file's summaries
    std::string Kind;                                 // "festival" or "anniversary", in the UIDs
    std::string Origin;                               // what the dates are counted from, in the UIDs
    std::vector<std::string> TextHeading;             // lines before the dates in text
    std::pair<std::string, std::string> JsonHeading;  // first member of the JSON object
    std::vector<TDateListEntry> Entries;
};

// The Festivals page's list of Name; with Hebrew the Jewish dates are in
// Hebrew letters.
TDateList FestivalDateList(const std::string& Name, const TFestivalPage& Page, bool Hebrew = false);

// The Birthdays/Yahrtzeits page's list, named Name in calendar files. With
// Night the listed dates are the evenings that begin each anniversary; with
// Hebrew the Jewish dates of the entries are in Hebrew letters.
TDateList AnniversaryDateList(const std::string& Name, const TAnniversaryPage& Page, bool Night,
                              bool Hebrew = false);

// The spreadsheet's columns and one row per date: ISO date,
// GregorianDateText, and the Jewish date it stands for.
std::vector<std::string> DateListHeader();
std::vector<std::vector<std::string>> DateListRows(const TDateList& List);

// One all-day event per date: the summary "NAME (JEWISH DATE)", the UID made
// of the date, the kind, the name and the origin.
std::vector<TIcsEvent> DateListEvents(const TDateList& List);

// The whole files: RFC 4180 with the header, and an RFC 5545 calendar.
std::string DateListCsvText(const TDateList& List);
std::string DateListIcsText(const TDateList& List);

}  // namespace mirvane
