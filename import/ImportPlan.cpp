#include "import/ImportPlan.h"

#include <fstream>
#include <set>
#include <sstream>
#include <tuple>

#include "import/CalendarImport.h"
#include "import/CsvImport.h"
#include "import/GedcomImport.h"
#include "import/ImportText.h"
#include "text/Utf8.h"

namespace mirvane {
namespace {

// Same name, same date, same kind and recurrence: the same entry.
using TEntryKey = std::tuple<std::string, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                             std::int32_t, std::int32_t, std::int32_t>;

TEntryKey KeyOf(const TRememberEntry& Entry)
{
    return {Entry.Occasion,          Entry.Date.Year,  Entry.Date.Month,
            Entry.Date.Day,          Entry.JewishDate.Year, Entry.JewishDate.Month,
            Entry.JewishDate.Day,    static_cast<std::int32_t>(Entry.Kind), static_cast<std::int32_t>(Entry.What)};
}

TImportRead ReadAs(TImportFormat Format, std::string_view Text, const TImportChoices& Choices)
{
    switch (Format) {
    case TImportFormat::Calendar:
        return ReadCalendarEvents(Text);
    case TImportFormat::Gedcom:
        return ReadGedcomEvents(Text);
    case TImportFormat::Csv:
        break;
    }
    return ReadCsvEvents(Text, Choices);
}

}  // namespace

std::optional<TImportFormat> DetectImportFormat(std::string_view Text)
{
    const std::string Start = AsciiLower(TrimBlanks(WithoutBom(Text.substr(0, 4096))));
    if (Start.starts_with("begin:vcalendar"))
        return TImportFormat::Calendar;
    if (Start.starts_with("0 head"))
        return TImportFormat::Gedcom;
    const std::string_view Header = std::string_view(Start).substr(0, Start.find('\n'));
    if (Header.find_first_of(",;\t") != std::string_view::npos)
        return TImportFormat::Csv;
    return std::nullopt;
}

std::string_view ImportFormatName(TImportFormat Format)
{
    switch (Format) {
    case TImportFormat::Calendar:
        return "ics";
    case TImportFormat::Gedcom:
        return "gedcom";
    case TImportFormat::Csv:
        break;
    }
    return "csv";
}

TImportPlan PlanImport(std::string_view Text, const TImportChoices& Choices,
                       const std::vector<TRememberEntry>& Existing)
{
    TImportPlan Plan;
    if (!DecodeStrictUtf8(Text)) {
        Plan.Failure = "The file is not UTF-8 text. Save it as UTF-8 and import it again.";
        return Plan;
    }
    Plan.Format = Choices.Format ? Choices.Format : DetectImportFormat(Text);
    if (!Plan.Format) {
        Plan.Failure = "The file is not a calendar file (.ics), a CSV list or a GEDCOM file.";
        return Plan;
    }
    TImportRead Read = ReadAs(*Plan.Format, Text, Choices);
    if (!Read.Failure.empty()) {
        Plan.Failure = std::move(Read.Failure);
        return Plan;
    }
    std::set<TEntryKey> Known;
    for (const TRememberEntry& Entry : Existing)
        Known.insert(KeyOf(Entry));
    for (TImportCandidate& Candidate : ShapeEntries(std::move(Read.Events))) {
        std::string Problem = std::move(Candidate.Problem);
        if (Problem.empty()) {
            std::string Message;
            if (const std::optional<std::string> Occasion = CheckedOccasion(Candidate.Entry.Occasion, Message))
                Candidate.Entry.Occasion = *Occasion;
            else
                Problem = Message;
        }
        if (Problem.empty() && !Known.insert(KeyOf(Candidate.Entry)).second)
            Problem = "already in the list";
        if (Problem.empty())
            Plan.Added.push_back(std::move(Candidate));
        else
            Plan.Skipped.push_back({Candidate.Entry.Occasion, Candidate.Place, std::move(Problem)});
    }
    return Plan;
}

std::string ReadImportFile(const std::filesystem::path& File, std::string& Failure)
{
    std::error_code Error;
    const std::uintmax_t Size = std::filesystem::file_size(File, Error);
    if (Error) {
        Failure = "\"" + File.string() + "\" cannot be read: " + Error.message() + ".";
        return {};
    }
    if (Size > MaxImportBytes) {
        Failure = "\"" + File.string() + "\" is too large to be a list of dates.";
        return {};
    }
    std::ifstream Stream(File, std::ios::binary);
    std::ostringstream Whole;
    Whole << Stream.rdbuf();
    if (!Stream) {
        Failure = "\"" + File.string() + "\" cannot be read: it could not be opened.";
        return {};
    }
    return Whole.str();
}

}  // namespace mirvane
