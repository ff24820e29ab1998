// One reader of lists brought in, on any bytes: the import either refuses
// the file with a reason and adds nothing, or every entry it would add is
// one the store accepts, and what it adds and skips together account for
// the file's events. Built once per reader, FUZZ_IMPORT_FORMAT naming it.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "import/ImportPlan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
    TImportChoices Choices;
    Choices.Format = TImportFormat::FUZZ_IMPORT_FORMAT;
    Choices.Order = Size % 2 ? MonthDayYear : DayMonthYear;
    Choices.Csv.JewishDates = Size % 3 == 0;
    const TImportPlan Plan = PlanImport(Text, Choices, {});
    if (!Plan.Failure.empty()) {
        fuzz::Require(Plan.Added.empty() && Plan.Skipped.empty(), "a refused file adds and skips nothing");
        return 0;
    }
    for (const TImportCandidate& Candidate : Plan.Added)
        fuzz::Require(EntryProblem(Candidate.Entry).empty(), "every entry to add is one the store accepts");
    for (const TImportSkip& Skip : Plan.Skipped)
        fuzz::Require(!Skip.Reason.empty(), "every skip says why");
    return 0;
}
