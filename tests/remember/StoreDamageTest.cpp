#include <gtest/gtest.h>

#include <sqlite3.h>
#include <sys/stat.h>

#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {
namespace fs = std::filesystem;

std::vector<fs::path> AsideFiles(const fs::path& Folder)
{
    std::vector<fs::path> Found;
    for (const fs::directory_entry& Entry : fs::directory_iterator(Folder)) {
        if (Entry.path().filename().string().starts_with("remember.sqlite.damaged-"))
            Found.push_back(Entry.path());
    }
    return Found;
}

void RunSql(const fs::path& File, const char* Sql)
{
    sqlite3* Database = nullptr;
    ASSERT_EQ(sqlite3_open(File.c_str(), &Database), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(Database, Sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(Database);
    sqlite3_close(Database);
}

// A store of ours with many entries, closed, so that it is one file.
void FillStore(const fs::path& File, int Count)
{
    TRememberStore Store = TRememberStore::Open(File);
    for (int Index = 0; Index < Count; ++Index)
        Store.Add(SampleEntry("entry number " + std::to_string(Index) + std::string(60, 'x')));
}

struct TBadFile {
    const char* Title;
    void (*Make)(const fs::path& File);
};

// Each of these is moved aside unchanged, said once, and a new list begins
// in its place.
TEST(RememberStoreDamage, FilesThatAreNoStoreOfOursAreMovedAsideWhole)
{
    const TBadFile Cases[] = {
        {"text", [](const fs::path& File) { WriteBytes(File, "Mom's birthday: 1 December\n"); }},
        {"empty", [](const fs::path& File) { WriteBytes(File, ""); }},
        {"cut header", [](const fs::path& File) { WriteBytes(File, "SQLite form"); }},
        {"another program's database",
         [](const fs::path& File) { RunSql(File, "CREATE TABLE dates (x); INSERT INTO dates VALUES (1)"); }},
        {"ours, its pages overwritten",
         [](const fs::path& File) {
             FillStore(File, 300);
             std::string Bytes = FileBytes(File);
             for (std::size_t Index = 4096; Index < Bytes.size(); Index += 7)
                 Bytes[Index] = static_cast<char>(Index * 31);
             WriteBytes(File, Bytes);
         }},
        {"ours, cut short",
         [](const fs::path& File) {
             FillStore(File, 300);
             fs::resize_file(File, fs::file_size(File) / 2);
         }},
        {"ours without a version", [](const fs::path& File) { RunSql(File, "PRAGMA application_id = 1297241678"); }},
    };
    for (const TBadFile& Case : Cases) {
        TTempFolder Folder;
        Case.Make(Folder.Store());
        const std::string Bytes = FileBytes(Folder.Store());
        TRememberStore Store = TRememberStore::Open(Folder.Store());
        const std::vector<fs::path> Aside = AsideFiles(Folder.Path());
        ASSERT_EQ(Aside.size(), 1u) << Case.Title << ": " << (Aside.empty() ? "" : Aside.back().string());
        EXPECT_EQ(FileBytes(Aside[0]), Bytes) << Case.Title;
        EXPECT_NE(Store.Notice().find(Folder.Store().string()), std::string::npos) << Case.Title;
        EXPECT_NE(Store.Notice().find(Aside[0].string()), std::string::npos) << Case.Title;
        EXPECT_FALSE(Store.ReadOnly()) << Case.Title;
        EXPECT_TRUE(Store.List().empty()) << Case.Title;
        Store.Add(SampleEntry("new"));
        EXPECT_EQ(TRememberStore::Open(Folder.Store()).Notice(), "") << Case.Title;
    }
}

TEST(RememberStoreDamage, APipeOrAFolderInItsPlaceIsMovedAsideUnread)
{
    for (const bool Pipe : {true, false}) {
        TTempFolder Folder;
        if (Pipe)
            ASSERT_EQ(::mkfifo(Folder.Store().c_str(), 0600), 0);
        else
            fs::create_directory(Folder.Store());
        TRememberStore Store = TRememberStore::Open(Folder.Store());
        const std::vector<fs::path> Aside = AsideFiles(Folder.Path());
        ASSERT_EQ(Aside.size(), 1u);
        EXPECT_EQ(fs::is_fifo(Aside[0]), Pipe);
        EXPECT_EQ(Store.List().size(), 0u);
        Store.Add(SampleEntry("new"));
    }
}

TEST(RememberStoreDamage, TwoDamagedFilesInOneSecondKeepBothAside)
{
    TTempFolder Folder;
    WriteBytes(Folder.Store(), "first");
    (void)TRememberStore::Open(Folder.Store());
    fs::remove(Folder.Store());
    WriteBytes(Folder.Store(), "second");
    (void)TRememberStore::Open(Folder.Store());
    std::vector<std::string> Contents;
    for (const fs::path& Aside : AsideFiles(Folder.Path()))
        Contents.push_back(FileBytes(Aside));
    std::sort(Contents.begin(), Contents.end());
    EXPECT_EQ(Contents, (std::vector<std::string>{"first", "second"}));
}

TEST(RememberStoreDamage, ANewerVersionStaysInPlaceAndIsReadOnly)
{
    TTempFolder Folder;
    FillStore(Folder.Store(), 3);
    RunSql(Folder.Store(), ("PRAGMA user_version = " + std::to_string(TRememberStore::SchemaVersion + 1)).c_str());
    const std::string Bytes = FileBytes(Folder.Store());
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    EXPECT_TRUE(AsideFiles(Folder.Path()).empty());
    EXPECT_TRUE(Store.ReadOnly());
    EXPECT_NE(Store.Notice().find("newer version"), std::string::npos);
    EXPECT_EQ(Store.List().size(), 3u);
    EXPECT_THROW(Store.Add(SampleEntry("refused")), ERememberStoreError);
    EXPECT_THROW(Store.Remove(1), ERememberStoreError);
    EXPECT_EQ(FileBytes(Folder.Store()), Bytes);
}

TEST(RememberStoreDamage, AReadOnlyFileOrFolderIsShownAndChangesAreRefused)
{
    for (const bool WholeFolder : {false, true}) {
        TTempFolder Folder;
        FillStore(Folder.Store(), 2);
        if (WholeFolder && !PermissionsHold(Folder.Path()))
            GTEST_SKIP() << "this user may write read-only files";
        fs::permissions(Folder.Store(), fs::perms::owner_read);
        if (WholeFolder)
            fs::permissions(Folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        const std::string Bytes = FileBytes(Folder.Store());
        TRememberStore Store = TRememberStore::Open(Folder.Store());
        if (!WholeFolder && !Store.ReadOnly())
            continue;  // this user may write the file all the same
        EXPECT_TRUE(Store.ReadOnly());
        EXPECT_EQ(Store.Notice(), "");
        EXPECT_EQ(Store.List().size(), 2u);
        try {
            Store.Add(SampleEntry("refused"));
            ADD_FAILURE() << "a read-only store took a change";
        } catch (const ERememberStoreError& Refusal) {
            EXPECT_NE(std::string(Refusal.what()).find("read-only"), std::string::npos) << Refusal.what();
        }
        EXPECT_EQ(FileBytes(Folder.Store()), Bytes);
        EXPECT_TRUE(AsideFiles(Folder.Path()).empty());
    }
}

}  // namespace
}  // namespace mirvane
