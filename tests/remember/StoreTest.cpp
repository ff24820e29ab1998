#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {
namespace fs = std::filesystem;

// The entry as the store gives it back, without the times it sets.
TRememberEntry WithoutTimes(TRememberEntry Entry)
{
    Entry.Created.clear();
    Entry.Changed.clear();
    return Entry;
}

TEST(RememberStore, EntriesComeBackAsStored)
{
    TTempFolder Folder;
    const fs::path File = Folder.Path() / "new folder" / "remember.sqlite";
    TRememberEntry Hebrew = SampleEntry("\xD7\x99\xD7\x95\xD7\x9D \xD7\x94\xD7\x95\xD7\x9C\xD7\x93\xD7\xAA \xF0\x9F\x8E\x82");
    Hebrew.AfterSunset = true;
    Hebrew.JewishDate = {5731, 9, 4};
    Hebrew.Kind = TRememberKind::Once;
    Hebrew.DaysBefore = 0;
    TRememberEntry Quoted = SampleEntry("\"quoted\" '); DROP TABLE dates; --");
    Quoted.Kind = TRememberKind::Gregorian;
    Quoted.DaysBefore = 365;
    Hebrew.What = TOccasionWhat::Birthday;
    Quoted.What = TOccasionWhat::Yahrzeit;
    Quoted.Adar = TAdarCustom::Both;
    Quoted.ShortMonth = TShortMonthCustom::ByFirstAnniversary;
    Quoted.Adar1Thirty = TAdar1ThirtyCustom::Shvat30;
    Quoted.Burial = TGregorianDate{1970, 12, 3};
    {
        TRememberStore Store = TRememberStore::Open(File);
        EXPECT_FALSE(Store.ReadOnly());
        EXPECT_EQ(Store.Notice(), "");
        Hebrew.Id = Store.Add(Hebrew);
        Quoted.Id = Store.Add(Quoted);
        EXPECT_NE(Hebrew.Id, Quoted.Id);
    }
    TRememberStore Store = TRememberStore::Open(File);
    EXPECT_EQ(Store.Notice(), "");
    std::vector<TRememberEntry> Listed = Store.List();
    ASSERT_EQ(Listed.size(), 2u);
    EXPECT_EQ(WithoutTimes(Listed[0]), Hebrew);
    EXPECT_EQ(WithoutTimes(Listed[1]), Quoted);
    EXPECT_EQ(Listed[0].Created.size(), 20u) << Listed[0].Created;
    EXPECT_EQ(Listed[0].Created, Listed[0].Changed);
}

TEST(RememberStore, ChangesKeepTheCreatedTimeAndTheLastReminder)
{
    TTempFolder Folder;
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    TRememberEntry Entry = SampleEntry("before");
    Entry.Id = Store.Add(Entry);
    Store.SetLastNotified(Entry.Id, {2026, 12, 8});
    const std::string Created = Store.List().at(0).Created;
    Entry.Occasion = "after";
    Entry.DaysBefore = 3;
    Store.Update(Entry);
    const TRememberEntry Read = Store.List().at(0);
    EXPECT_EQ(Read.Occasion, "after");
    EXPECT_EQ(Read.DaysBefore, 3);
    EXPECT_EQ(Read.Created, Created);
    EXPECT_EQ(Read.LastNotified, (TGregorianDate{2026, 12, 8}));
    Store.Remove(Entry.Id);
    EXPECT_TRUE(Store.List().empty());
}

TEST(RememberStore, RefusedChangesLeaveTheListAsItWas)
{
    TTempFolder Folder;
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    TRememberEntry Kept = SampleEntry("kept");
    Kept.Id = Store.Add(Kept);
    const std::vector<TRememberEntry> Before = Store.List();

    TRememberEntry Unknown = Kept;
    Unknown.Id = Kept.Id + 100;
    EXPECT_THROW(Store.Update(Unknown), ERememberStoreError);
    EXPECT_THROW(Store.Remove(Kept.Id + 100), ERememberStoreError);
    EXPECT_THROW(Store.SetLastNotified(Kept.Id + 100, {2026, 1, 1}), ERememberStoreError);
    TRememberEntry Invalid = Kept;
    Invalid.Occasion = "bad\tname";
    EXPECT_THROW(Store.Update(Invalid), ERememberStoreError);
    EXPECT_THROW(Store.Add(Invalid), ERememberStoreError);
    Invalid = SampleEntry("bad days");
    Invalid.DaysBefore = 400;
    try {
        Store.Add(Invalid);
        ADD_FAILURE() << "a number of days above 365 was stored";
    } catch (const ERememberStoreError& Refusal) {
        EXPECT_NE(std::string(Refusal.what()).find("days before"), std::string::npos) << Refusal.what();
    }
    EXPECT_EQ(Store.List(), Before);
}

// A list the previous version wrote: read as it is, and brought up to date,
// with every entry's customs those of the program, once it is changed.
TEST(RememberStore, AnOlderListOpensUnchangedAndTakesTheNewColumnsWhenWritten)
{
    TTempFolder Folder;
    sqlite3* Raw = nullptr;
    ASSERT_EQ(sqlite3_open(Folder.Store().c_str(), &Raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(Raw, R"(
CREATE TABLE dates (id INTEGER PRIMARY KEY AUTOINCREMENT, occasion TEXT NOT NULL, date TEXT NOT NULL,
    after_sunset INTEGER NOT NULL, jewish_year INTEGER NOT NULL, jewish_month INTEGER NOT NULL,
    jewish_day INTEGER NOT NULL, kind TEXT NOT NULL, days_before INTEGER NOT NULL, created TEXT NOT NULL,
    changed TEXT NOT NULL, last_notified TEXT);
INSERT INTO dates VALUES (1, 'old', '1970-12-01', 0, 5731, 9, 3, 'jewish', 7, 't', 't', NULL);
PRAGMA application_id = 1297241678; PRAGMA user_version = 1;)", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(Raw);
    const std::string Bytes = FileBytes(Folder.Store());

    TRememberEntry Old = SampleEntry("old");
    Old.Id = 1;
    ASSERT_EQ(ReadRememberEntries(Folder.Store()).size(), 1u);
    EXPECT_EQ(WithoutTimes(ReadRememberEntries(Folder.Store())[0]), Old);
    EXPECT_EQ(FileBytes(Folder.Store()), Bytes);

    TRememberStore Store = TRememberStore::Open(Folder.Store());
    EXPECT_EQ(Store.Notice(), "");
    EXPECT_EQ(WithoutTimes(Store.List().at(0)), Old);
    TRememberEntry Yahrzeit = SampleEntry("new");
    Yahrzeit.What = TOccasionWhat::Yahrzeit;
    Yahrzeit.Adar = TAdarCustom::Adar2;
    Yahrzeit.Id = Store.Add(Yahrzeit);
    EXPECT_EQ(WithoutTimes(Store.List().at(1)), Yahrzeit);
}

TEST(RememberStore, TwoConnectionsSeeEachOthersChanges)
{
    TTempFolder Folder;
    TRememberStore Window = TRememberStore::Open(Folder.Store());
    TRememberStore CommandLine = TRememberStore::Open(Folder.Store());
    const std::int64_t FromWindow = Window.Add(SampleEntry("from the window"));
    EXPECT_EQ(CommandLine.List().size(), 1u);
    CommandLine.Remove(FromWindow);
    CommandLine.Add(SampleEntry("from the command line"));
    ASSERT_EQ(Window.List().size(), 1u);
    EXPECT_EQ(Window.List()[0].Occasion, "from the command line");
}

// A second process writes while this one reads and writes: neither is
// refused for the other's lock, and every change of both is kept.
TEST(RememberStore, AnotherProcessWritesAtTheSameTime)
{
    TTempFolder Folder;
    TRememberStore Window = TRememberStore::Open(Folder.Store());
    constexpr int Each = 40;
    const pid_t Child = ::fork();
    if (Child == 0) {
        int Failures = 0;
        TRememberStore CommandLine = TRememberStore::Open(Folder.Store());
        for (int Index = 0; Index < Each; ++Index) {
            try {
                CommandLine.Add(SampleEntry("child " + std::to_string(Index)));
            } catch (const ERememberStoreError&) {
                ++Failures;
            }
        }
        ::_exit(Failures == 0 ? 0 : 1);
    }
    for (int Index = 0; Index < Each; ++Index) {
        Window.Add(SampleEntry("parent " + std::to_string(Index)));
        (void)Window.List();
    }
    int Status = 0;
    ASSERT_EQ(::waitpid(Child, &Status, 0), Child);
    EXPECT_TRUE(WIFEXITED(Status) && WEXITSTATUS(Status) == 0);
    EXPECT_EQ(Window.List().size(), 2u * Each);
}

TEST(RememberStore, DefaultPathFollowsTheDataFolder)
{
    const char* Saved = std::getenv("XDG_DATA_HOME");
    const std::string Kept = Saved ? Saved : "";
    ::setenv("XDG_DATA_HOME", "/tmp/data-home", 1);
    EXPECT_EQ(DefaultRememberStorePath(), fs::path("/tmp/data-home/Tellwen/Mirvane/remember.sqlite"));
    ::setenv("XDG_DATA_HOME", "relative", 1);
    EXPECT_NE(DefaultRememberStorePath().string().find(".local/share/Tellwen/Mirvane/remember.sqlite"),
              std::string::npos);
    if (Saved)
        ::setenv("XDG_DATA_HOME", Kept.c_str(), 1);
    else
        ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
}  // namespace mirvane
