#pragma once

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/OutputFormat.h"
#include "cli/TableOutput.h"
#include "export/IcsCalendar.h"

namespace mirvane {

// A command's answer in each form --format can choose. Each form is made only
// when it is asked for, so a form that cannot be made (a calendar file of a
// year without dates) fails only that request.
struct TCommandOutput {
    std::function<void(std::ostream& Out)> Text;     // for people; when empty, Table aligned
    std::function<TTable()> Table;                   // tsv and csv
    std::function<std::string()> Json;               // one object, written on one line
    std::function<std::vector<TIcsEvent>()> Events;  // one all-day event each in ics
};

// The one writer of every command's answer.
void WriteCommandOutput(std::ostream& Out, const TCommandOutput& Output, TOutputFormat Format);

}  // namespace mirvane
