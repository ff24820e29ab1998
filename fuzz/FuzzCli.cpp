// mirvane-cli's whole argument handling, run in process with any argument
// vector: it always ends with exit code 0, 1 or 2 and keeps its promises
// about what goes to standard output and standard error.

#include <array>
#include <cstdlib>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "fuzz/BoxText.h"
#include "fuzz/CliRun.h"
#include "fuzz/FuzzValues.h"
#include "fuzz/TemporaryFolder.h"

namespace mirvane::fuzz {
namespace {

// Words the command line knows, so that most vectors reach a command.
std::string Argument(FuzzedDataProvider& Bytes)
{
    static constexpr std::array<const char*, 46> Words = {
        "days", "month", "year", "festival", "festivals", "anniversary", "convert", "--help", "-h", "--version",
        "--israel", "--jewish", "--format", "text", "tsv", "csv", "json", "ics", "--years", "--order", "dmy", "mdy",
        "ymd", "--after-sunset", "--night", "--adar1", "--name", "today", "1995-03-16", "0002-11-01", "0002-10-31",
        "9999-12-31", "0001-01-01", "2024-02-29", "Purim", "Purim Katan", "Rosh Hashana day 1", "Simchat Torah",
        "1/12/70", "1 Dec 70", "5785", "13775", "13776", "200", "201", "--"};
    switch (Bytes.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
        return Bytes.PickValueInArray(Words);
    case 1:
        return BoxText(Bytes);
    default:
        return std::to_string(Bytes.ConsumeIntegralInRange<std::int64_t>(-20, 14000));
    }
}

// A days range is streamed day by day; ranges beyond a decade only make each
// run slower without reaching anything new.
bool IsLongDaysRange(const std::vector<std::string>& Arguments)
{
    bool Days = false;
    std::vector<TDateTime> Dates;
    for (const std::string& Text : Arguments) {
        Days |= Text == "days";
        if (const auto Date = ReadCliDate(Text))
            Dates.push_back(*Date);
    }
    return Days && Dates.size() >= 2 && std::fabs(Dates[1] - Dates[0]) > 3700;
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    // A mutation may spell "remember": its list must never be the user's.
    static const std::filesystem::path DataFolder = MakeOwnDataFolder("mirvane-fuzz-cli");
    (void)DataFolder;
    FuzzedDataProvider Bytes(Data, Size);
    std::vector<std::string> Arguments{"mirvane-cli"};
    const int Count = Bytes.ConsumeIntegralInRange<int>(0, 9);
    for (int Index = 0; Index < Count; ++Index)
        Arguments.push_back(Argument(Bytes));
    if (IsLongDaysRange(Arguments))
        return 0;
    RunCliChecked(Arguments);
    return 0;
}
