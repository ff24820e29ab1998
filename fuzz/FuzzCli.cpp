// mirvane-cli's whole argument handling, run in process with any argument
// vector: it always ends with exit code 0, 1 or 2 and keeps its promises
// about what goes to standard output and standard error.

#include <array>
#include <cstdlib>
#include <cmath>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CommandLine.h"
#include "engine/JewishYear.h"
#include "fuzz/BoxText.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzValues.h"

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

std::string Quoted(const std::vector<std::string>& Arguments)
{
    std::string Text;
    for (const std::string& Argument : Arguments)
        Text += " '" + Argument + "'";
    return Text;
}

bool OnlyIndentedAfterFirstLine(const std::string& Text)
{
    for (std::size_t Line = Text.find('\n'); Line != std::string::npos && Line + 1 < Text.size();
         Line = Text.find('\n', Line + 1)) {
        if (Text.compare(Line + 1, 2, "  ") != 0)
            return false;
    }
    return true;
}

std::size_t LineCount(const std::string& Text)
{
    std::size_t Lines = 0;
    for (const char Character : Text)
        Lines += Character == '\n' ? 1 : 0;
    return Lines;
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    // A mutation may spell "remember": its list must never be the user's.
    static const bool OwnDataFolder = [] {
        char Folder[] = "/tmp/mirvane-fuzz-cli-XXXXXX";
        return ::mkdtemp(Folder) && ::setenv("XDG_DATA_HOME", Folder, 1) == 0;
    }();
    (void)OwnDataFolder;
    FuzzedDataProvider Bytes(Data, Size);
    std::vector<std::string> Arguments{"mirvane-cli"};
    const int Count = Bytes.ConsumeIntegralInRange<int>(0, 9);
    for (int Index = 0; Index < Count; ++Index)
        Arguments.push_back(Argument(Bytes));
    if (IsLongDaysRange(Arguments))
        return 0;
    std::vector<const char*> Vector;
    for (const std::string& Text : Arguments)
        Vector.push_back(Text.c_str());
    Vector.push_back(nullptr);

    std::ostringstream Out;
    std::ostringstream Err;
    const int Code = RunCommandLine(static_cast<int>(Arguments.size()), Vector.data(), Out, Err);
    const std::string Printed = Out.str();
    const std::string Reported = Err.str();
    const auto Require = [&](bool Holds, const char* What) {
        if (!Holds)
            Fail(std::string(What) + "; exit " + std::to_string(Code) + " for" + Quoted(Arguments) +
                 "\nstandard error: " + Reported.substr(0, 2000) + "\nstandard output: " + Printed.substr(0, 500));
    };
    switch (Code) {
    case 0:
        Require(Reported.empty(), "a request done reports nothing on standard error");
        break;
    case 1:
        Require(Printed.empty(), "a request the calendar cannot answer prints nothing");
        // One message; for a name that is no festival it lists the names.
        Require(LineCount(Reported) >= 1 && Reported.rfind("mirvane-cli: ", 0) == 0 &&
                    OnlyIndentedAfterFirstLine(Reported),
                "a request the calendar cannot answer gets one message");
        break;
    case 2:
        Require(Printed.empty(), "a usage error prints nothing");
        Require(Reported.rfind("mirvane-cli: ", 0) == 0 && LineCount(Reported) > 1,
                "a usage error gets a message and the usage");
        break;
    default:
        Fail("exit code " + std::to_string(Code));
    }
    return 0;
}
