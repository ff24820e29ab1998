// A few `remember` commands of mirvane-cli in a row, run in process on a
// store of their own in a temporary folder, new for each input: each keeps
// the command line's promises, an add that succeeds prints an id not given
// before, and afterwards the list holds exactly the entries added and not
// removed, with nothing moved aside and no file left beside the store.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "fuzz/BoxText.h"
#include "fuzz/CliRun.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/TemporaryFolder.h"
#include "remember/RememberStore.h"

namespace mirvane::fuzz {
namespace {
namespace fs = std::filesystem;

// Words the remember commands know, so that most vectors reach a change.
std::string Argument(FuzzedDataProvider& Bytes)
{
    static constexpr std::array<const char*, 40> Words = {
        "add", "list", "remove", "due", "export", "--jewish-date", "3 Kislev 5731",
        "\xD7\x92\xD7\xB3 \xD7\x9B\xD7\xA1\xD7\x9C\xD7\x95 \xD7\xAA\xD7\xA9\xD7\x9C\xD7\xB4\xD7\x90", "30 Adar I 5784",
        "--kind", "jewish", "gregorian", "once", "--days-before", "0", "365", "--after-sunset", "--order", "dmy",
        "mdy", "ymd", "--sort", "occasion", "date", "--format", "text", "tsv", "csv", "json", "ics", "--hebrew",
        "--years", "200", "--today", "2024-02-29", "--adar1", "1/12/70", "29/2/2000", "Mom's birthday", "1"};
    switch (Bytes.ConsumeIntegralInRange<int>(0, 2)) {
    case 0:
    case 1:
        return Bytes.PickValueInArray(Words);
    default:
        return BoxText(Bytes);
    }
}

std::set<std::int64_t> ListedIds(const fs::path& Store)
{
    std::set<std::int64_t> Ids;
    try {
        for (const TRememberEntry& Entry : ReadRememberEntries(Store))
            Ids.insert(Entry.Id);
    } catch (const ERememberStoreError& Failure) {
        Fail(std::string("the store the commands wrote cannot be read: ") + Failure.what());
    }
    return Ids;
}

}  // namespace
}  // namespace mirvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    namespace fs = std::filesystem;
    // A "--" may leave the store given below as an operand: the default list
    // is then in this folder too, never the user's.
    static const fs::path Folder = MakeOwnDataFolder("mirvane-fuzz-remember");
    const fs::path Store = Folder / "remember.sqlite";
    fs::remove_all(Folder / "Tellwen");
    fs::remove(Store);

    FuzzedDataProvider Bytes(Data, Size);
    std::set<std::int64_t> Given;
    std::size_t Removed = 0;
    const int Commands = Bytes.ConsumeIntegralInRange<int>(1, 5);
    for (int Command = 0; Command < Commands; ++Command) {
        std::vector<std::string> Arguments{"mirvane-cli", "remember"};
        const int Count = Bytes.ConsumeIntegralInRange<int>(1, 7);
        for (int Index = 0; Index < Count; ++Index)
            Arguments.push_back(Argument(Bytes));
        Arguments.insert(Arguments.end(), {"--store", Store.string()});
        const TCliOutcome Outcome = RunCliChecked(Arguments);
        // After "--" the store named last is an operand, not the store.
        if (Outcome.Code != 0 || std::find(Arguments.begin(), Arguments.end(), "--") != Arguments.end())
            continue;
        // An add prints its id; asked for help, it prints the usage.
        if (Arguments[2] == "add" && Outcome.Printed.find_first_not_of("0123456789\n") == std::string::npos &&
            !Outcome.Printed.empty()) {
            const std::int64_t Id = std::stoll(Outcome.Printed);
            Require(Given.insert(Id).second, "an add printed an id given before: " + Outcome.Printed);
        } else if (Arguments[2] == "remove" && Outcome.Printed.empty()) {
            ++Removed;
        }
    }
    if (!fs::exists(Store))
        return 0;
    const std::set<std::int64_t> Listed = ListedIds(Store);
    for (const std::int64_t Id : Listed)
        Require(Given.count(Id) == 1, "the list holds an id no add printed: " + std::to_string(Id));
    Require(Listed.size() + Removed == Given.size(), "an add or a removal that succeeded did not hold");
    for (const fs::directory_entry& Entry : fs::directory_iterator(Folder))
        Require(Entry.path() == Store || Entry.path().filename() == "Tellwen",
                "a file was left beside the store: " + Entry.path().string());
    return 0;
}
