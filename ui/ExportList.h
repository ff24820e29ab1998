#pragma once

#include <string>

#include <QString>

#include "export/DateListFile.h"

namespace mirvane {

class TForm1;

enum class TExportFormat { Ics, Csv };

// A page's answer and list as the command line gives them for the same
// request.
std::string DateListText(const TDateList& List, TExportFormat Format);

// The reason a page without an answer gives.
QString NoAnswerToExport();

// The years "Export List..." offers on Dates to Remember.
inline constexpr int DefaultExportYears = 10;

// What "Export List..." asks before it asks for the file, as the command
// line's options give it: how many years on Dates to Remember (--years), the
// event's name in the summaries on Birthdays/Yahrtzeits (--name).
struct TExportDetails {
    int Years = DefaultExportYears;
    std::string EventName = "Anniversary";
};

// The file a page's "Export List..." writes, exactly as the command line
// writes the same request: the Birthdays/Yahrtzeits and Festivals pages
// their answer and list, Dates to Remember every entry's dates for the
// details' years from this one. Empty with a reason in Problem when the page has
// nothing to export; throws EExportFailure for a date a calendar file
// cannot hold.
std::string ExportListText(const TForm1& Form, int Page, TExportFormat Format, const TExportDetails& Details,
                           QString& Problem);

// Both together, for the page shown: a message box for any failure, and
// the file as it was. True when the file was written.
bool ExportListTo(TForm1& Form, const QString& Path, TExportFormat Format, const TExportDetails& Details = {});

}  // namespace mirvane
