// The dates to remember opened on a file of any bytes: inspecting it and
// reading its list (and the next dates, reminders and export of what it
// lists) never crash, never change the file, and leave no file beside it;
// SQLite's log files may come while it is open and go when it closes.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "fuzz/TemporaryFolder.h"
#include "remember/DueReminders.h"
#include "remember/RememberExport.h"
#include "remember/RememberSort.h"
#include "remember/RememberStore.h"
#include "remember/StoreInspection.h"

namespace {
namespace fs = std::filesystem;

std::string FileBytes(const fs::path& File)
{
    std::ifstream Stream(File, std::ios::binary);
    std::ostringstream Bytes;
    Bytes << Stream.rdbuf();
    return Bytes.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    using namespace mirvane;
    using namespace mirvane::fuzz;
    static const fs::path Folder = MakeTemporaryFolder("mirvane-fuzz-store");
    const fs::path File = Folder / "remember.sqlite";
    const std::string Bytes(reinterpret_cast<const char*>(Data), Size);
    std::ofstream(File, std::ios::binary | std::ios::trunc) << Bytes;

    (void)InspectStoreFile(File, TRememberStore::SchemaVersion);
    try {
        const std::vector<TRememberEntry> Entries = ReadRememberEntries(File);
        const TDateTime Today = 46000;
        (void)RowsOf(Entries, Today, true);
        (void)DueReminders(Entries, Today, false);
        (void)RememberEvents(Entries, 2026, 1, true);
    } catch (const ERememberStoreError&) {
        // A file that is no readable store of ours is refused, and left.
    }

    Require(FileBytes(File) == Bytes, "the file was written");
    for (const fs::directory_entry& Entry : fs::directory_iterator(Folder))
        Require(Entry.path() == File, "a file was left beside it: " + Entry.path().string());
    fs::remove(File);
    return 0;
}
