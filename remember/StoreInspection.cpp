#include "remember/StoreInspection.h"

#include <array>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>

#include <sqlite3.h>
#include <unistd.h>

#include "remember/SqliteStatement.h"

namespace mirvane {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view SqliteHeader("SQLite format 3\0", 16);

std::string TimeText(const char* Format, bool Utc)
{
    const std::time_t Now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm Parts{};
    if (Utc)
        gmtime_r(&Now, &Parts);
    else
        localtime_r(&Now, &Parts);
    std::array<char, 32> Text{};
    const std::size_t Length = std::strftime(Text.data(), Text.size(), Format, &Parts);
    return std::string(Text.data(), Length);
}

fs::path WithSuffix(const fs::path& File, std::string_view Suffix)
{
    fs::path Result = File;
    Result += std::string(Suffix);
    return Result;
}

std::string AbsoluteText(const fs::path& File)
{
    std::error_code Error;
    const fs::path Absolute = fs::absolute(File, Error);
    return Error ? File.string() : Absolute.string();
}

// The path as a file: URI spells it: the characters that end a path or
// start an escape are escaped.
std::string UriPath(const fs::path& File)
{
    std::string Text;
    for (const char Character : AbsoluteText(File)) {
        if (Character == '%' || Character == '?' || Character == '#') {
            constexpr std::string_view Digits = "0123456789ABCDEF";
            Text += '%';
            Text += Digits[static_cast<unsigned char>(Character) >> 4];
            Text += Digits[static_cast<unsigned char>(Character) & 0x0F];
        } else {
            Text += Character;
        }
    }
    return Text;
}

TStoreFileKind KindOfOpenStore(sqlite3* Database, std::int32_t SchemaVersion)
{
    try {
        TSqliteStatement Application(Database, "PRAGMA application_id");
        Application.Step();
        if (Application.Integer(0) != RememberApplicationId)
            return TStoreFileKind::Foreign;
        TSqliteStatement Version(Database, "PRAGMA user_version");
        Version.Step();
        if (Version.Integer(0) > SchemaVersion)
            return TStoreFileKind::Newer;
        if (Version.Integer(0) < 1)
            return TStoreFileKind::Damaged;
        TSqliteStatement Check(Database, "PRAGMA quick_check(1)");
        if (!Check.Step() || Check.Text(0) != "ok")
            return TStoreFileKind::Damaged;
        return TStoreFileKind::Ours;
    } catch (const std::exception&) {
        const int Code = sqlite3_errcode(Database) & 0xFF;
        if (Code == SQLITE_BUSY || Code == SQLITE_LOCKED || Code == SQLITE_CANTOPEN || Code == SQLITE_PERM ||
            Code == SQLITE_IOERR)
            return TStoreFileKind::Unreadable;
        return TStoreFileKind::Damaged;
    }
}

}  // namespace

std::string UtcTimestamp()
{
    return TimeText("%Y-%m-%dT%H:%M:%SZ", true);
}

bool StoreWritable(const fs::path& File)
{
    const fs::path Folder = File.has_parent_path() ? File.parent_path() : fs::path(".");
    return access(File.c_str(), W_OK) == 0 && access(Folder.c_str(), W_OK | X_OK) == 0;
}

sqlite3* OpenReadOnly(const fs::path& File, bool Shared)
{
    std::error_code Error;
    // Without a log there is nothing to recover, and the file is read as it
    // stands, without making the log's index files beside it.
    const bool Log = fs::exists(WithSuffix(File, "-wal"), Error);
    const std::string Name = "file:" + UriPath(File) + (Log || Shared ? "" : "?immutable=1");
    sqlite3* Database = nullptr;
    if (sqlite3_open_v2(Name.c_str(), &Database, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
        sqlite3_close(Database);
        return nullptr;
    }
    sqlite3_busy_timeout(Database, 5000);
    return Database;
}

TStoreFileKind InspectStoreFile(const fs::path& File, std::int32_t SchemaVersion)
{
    std::error_code Error;
    // A pipe or a device is never read: reading a pipe would wait for ever.
    if (!fs::is_regular_file(File, Error))
        return TStoreFileKind::Foreign;
    std::array<char, 16> Header{};
    {
        std::ifstream Stream(File, std::ios::binary);
        if (!Stream)
            return TStoreFileKind::Unreadable;
        Stream.read(Header.data(), Header.size());
        if (Stream.gcount() != static_cast<std::streamsize>(Header.size()) ||
            std::string_view(Header.data(), Header.size()) != SqliteHeader)
            return TStoreFileKind::Foreign;
    }
    // A file that looks damaged as it stands is read again with the locks
    // of a reader, in case another program was writing it at that moment.
    // The log files that reader makes, and only those, go again after it.
    const bool HadLog = fs::exists(WithSuffix(File, "-wal"), Error) || fs::exists(WithSuffix(File, "-shm"), Error);
    TStoreFileKind Kind = TStoreFileKind::Unreadable;
    for (const bool Shared : {false, true}) {
        sqlite3* Database = OpenReadOnly(File, Shared);
        if (!Database)
            return TStoreFileKind::Unreadable;
        Kind = KindOfOpenStore(Database, SchemaVersion);
        sqlite3_close(Database);
        if (Kind != TStoreFileKind::Damaged)
            break;
    }
    if (!HadLog && fs::file_size(WithSuffix(File, "-wal"), Error) == 0) {
        fs::remove(WithSuffix(File, "-wal"), Error);
        fs::remove(WithSuffix(File, "-shm"), Error);
    }
    return Kind;
}

fs::path MoveStoreAside(const fs::path& File)
{
    const std::string Stamp = ".damaged-" + TimeText("%Y%m%d-%H%M%S", false);
    fs::path Aside = WithSuffix(File, Stamp);
    for (int Number = 2; fs::exists(fs::symlink_status(Aside)); ++Number)
        Aside = WithSuffix(File, Stamp + "-" + std::to_string(Number));
    fs::rename(File, Aside);
    for (const std::string_view Companion : {"-wal", "-shm", "-journal"}) {
        std::error_code Error;
        const fs::path From = WithSuffix(File, Companion);
        if (fs::exists(fs::symlink_status(From, Error)))
            fs::rename(From, WithSuffix(Aside, Companion), Error);
    }
    return Aside;
}

}  // namespace mirvane
