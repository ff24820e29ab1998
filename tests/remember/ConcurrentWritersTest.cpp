#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {
namespace fs = std::filesystem;

// One writer process: it opens the store afresh for each change, as a run of
// the command line or a starting window does, reads it a second time beside
// that (as the window's export and reminders do), and says on Report what it
// was told: "+ID" for an add, "-ID" for a removal, "!" and the reason for a refusal.
[[noreturn]] void Writer(const fs::path& File, int Number, int Report)
{
    for (int Round = 0; Round < 25; ++Round) {
        std::string Told;
        try {
            const TDamagedFile Damaged = Round % 2 ? TDamagedFile::MoveAside : TDamagedFile::LeaveInPlace;
            TRememberStore Store = TRememberStore::Open(File, Damaged);
            (void)Store.List();
            (void)ReadRememberEntries(File);
            const std::int64_t Id = Store.Add(SampleEntry(std::to_string(Number)));
            Told = "+" + std::to_string(Id) + "\n";
            if (Round % 3 == 2) {
                TRememberStore::Open(File, Damaged).Remove(Id);
                Told += "-" + std::to_string(Id) + "\n";
            }
        } catch (const ERememberStoreError& Refusal) {
            Told += "!" + std::string(Refusal.what()) + "\n";
        }
        (void)!::write(Report, Told.data(), Told.size());
    }
    ::_exit(0);
}

// Four writers add and remove while the window, started and closed again
// and again, adds and changes: every add is kept under the id it reported, no id
// is reported twice, every removal holds, and nothing is moved aside.
TEST(RememberStoreWriters, SeveralProcessesAtOnceLoseNothing)
{
    TTempFolder Folder;
    // Enough entries that reading the whole store takes a while.
    (void)TRememberStore::Open(Folder.Store());
    sqlite3* Database = nullptr;
    sqlite3_open(Folder.Store().c_str(), &Database);
    ASSERT_EQ(sqlite3_exec(Database,
                           "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
                           "INSERT INTO dates (id, occasion, date, after_sunset, jewish_year, jewish_month, jewish_day, "
                           "kind, days_before, created, changed, last_notified) SELECT NULL, printf('%0100d', i), '1970-12-01', 0, 5731, 9, 3, "
                           "'jewish', 7, '', '', NULL FROM n",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(Database);
    int Pipe[2];
    ASSERT_EQ(::pipe(Pipe), 0);
    std::vector<pid_t> Children;
    for (int Number = 0; Number < 4; ++Number) {
        const pid_t Child = ::fork();
        if (Child == 0)
            Writer(Folder.Store(), Number, Pipe[1]);
        Children.push_back(Child);
    }
    ::close(Pipe[1]);

    std::map<std::int64_t, int> Reported;
    std::set<std::int64_t> Kept;
    for (std::int64_t Id = 1; Id <= 1000; ++Id)
        Kept.insert(Id);
    for (int Start = 0; Start < 12; ++Start) {
        TRememberStore Window = TRememberStore::Open(Folder.Store());
        (void)Window.List();
        for (int Round = 0; Round < 2; ++Round) {
            TRememberEntry Entry = SampleEntry("window");
            Entry.Id = Window.Add(Entry);
            Entry.DaysBefore = 1;
            Window.Update(Entry);
            ++Reported[Entry.Id];
            Kept.insert(Entry.Id);
        }
    }
    std::string Told;
    char Buffer[4096];
    for (ssize_t Read; (Read = ::read(Pipe[0], Buffer, sizeof Buffer)) > 0;)
        Told.append(Buffer, static_cast<std::size_t>(Read));
    ::close(Pipe[0]);
    for (const pid_t Child : Children) {
        int Status = 0;
        ::waitpid(Child, &Status, 0);
        EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0) << "a writer ended with " << Status;
    }

    std::istringstream Lines(Told);
    for (std::string Line; std::getline(Lines, Line);) {
        ASSERT_NE(Line[0], '!') << "a change was refused: " << Line;
        const std::int64_t Id = std::stoll(Line.substr(1));
        if (Line[0] == '+') {
            EXPECT_EQ(++Reported[Id], 1) << "id " << Id << " was reported twice";
            Kept.insert(Id);
        } else {
            Kept.erase(Id);
        }
    }
    for (const TRememberEntry& Entry : TRememberStore::Open(Folder.Store()).List())
        EXPECT_EQ(Kept.erase(Entry.Id), 1u) << "id " << Entry.Id << " was removed or never added";
    EXPECT_TRUE(Kept.empty()) << Kept.size() << " added, none removed, are missing, from id " << *Kept.begin();
    for (const fs::directory_entry& Entry : fs::directory_iterator(Folder.Path()))
        EXPECT_EQ(Entry.path().filename().string().find(".damaged-"), std::string::npos) << Entry.path();
}

}  // namespace
}  // namespace mirvane
