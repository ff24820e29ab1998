#include "remember/StoreInspection.h"

#include <array>
#include <chrono>
#include <cstring>
#include <ctime>
#include <memory>
#include <optional>

#include <sqlite3.h>
#include <unistd.h>

#include "remember/SqliteStatement.h"

namespace mirvane {
namespace fs = std::filesystem;
namespace {

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

// Whether a failure of SQLite means the file itself is at fault, rather than
// the moment (another process holding it, a log being written) or the system.
bool FileAtFault(sqlite3* Database)
{
    const int Code = sqlite3_errcode(Database) & 0xFF;
    return Code == SQLITE_CORRUPT || Code == SQLITE_NOTADB || Code == SQLITE_FORMAT || Code == SQLITE_ERROR;
}

using TConnection = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

// The application id in the file's own header, read without locks and
// without making any file beside it. The id is written before the store is
// linked into place and never changes, so a write in flux cannot change it;
// it can only make the header unreadable for a moment (a checkpoint writes
// the first page before the file grows), and then nothing is returned.
std::optional<std::int64_t> HeaderApplicationId(const fs::path& File)
{
    sqlite3* Raw = nullptr;
    const std::string Name = "file:" + UriPath(File) + "?immutable=1";
    const int Opened = sqlite3_open_v2(Name.c_str(), &Raw, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    const TConnection Database(Raw, sqlite3_close);
    if (Opened != SQLITE_OK)
        return std::nullopt;
    try {
        TSqliteStatement Application(Raw, "PRAGMA application_id");
        Application.Step();
        return Application.Integer(0);
    } catch (const std::exception&) {
        return std::nullopt;
    }
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
        return FileAtFault(Database) ? TStoreFileKind::Damaged : TStoreFileKind::Unreadable;
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

sqlite3* OpenForReading(const fs::path& File)
{
    std::error_code Error;
    const fs::path Folder = File.has_parent_path() ? File.parent_path() : fs::path(".");
    const bool NoWriter = access(Folder.c_str(), W_OK) != 0 && !fs::exists(WithSuffix(File, "-wal"), Error) &&
                          !fs::exists(WithSuffix(File, "-journal"), Error);
    const std::string Name = "file:" + UriPath(File) + (NoWriter ? "?immutable=1" : "");
    const int Access = StoreWritable(File) ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    sqlite3* Database = nullptr;
    if (sqlite3_open_v2(Name.c_str(), &Database, Access | SQLITE_OPEN_URI, nullptr) != SQLITE_OK) {
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
    // Another program's database is not opened with locks, which could make
    // or change files beside it. A header that could not be read is read
    // again with locks, which wait for any write in flux.
    const std::optional<std::int64_t> Application = HeaderApplicationId(File);
    if (Application && *Application != RememberApplicationId)
        return TStoreFileKind::Foreign;
    const TConnection Database(OpenForReading(File), sqlite3_close);
    if (!Database)
        return TStoreFileKind::Unreadable;
    return KindOfOpenStore(Database.get(), SchemaVersion);
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
