#include "remember/RememberStore.h"

#include <charconv>
#include <cerrno>
#include <cstdlib>

#include <sqlite3.h>
#include <unistd.h>

#include "remember/SqliteStatement.h"
#include "remember/StoreInspection.h"

namespace mirvane {
namespace fs = std::filesystem;
namespace {

// Each step brings a store from the version of its place to the next; a
// store is made by running them all, and an older one is brought up to date
// by the ones it lacks when it is first opened to be changed.
constexpr const char* SchemaSteps[] = {
    // 0 -> 1: the list.
    R"(
CREATE TABLE dates (
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    occasion TEXT NOT NULL,
    date TEXT NOT NULL,
    after_sunset INTEGER NOT NULL,
    jewish_year INTEGER NOT NULL,
    jewish_month INTEGER NOT NULL,
    jewish_day INTEGER NOT NULL,
    kind TEXT NOT NULL,
    days_before INTEGER NOT NULL,
    created TEXT NOT NULL,
    changed TEXT NOT NULL,
    last_notified TEXT
);
PRAGMA application_id = 1297241678;
)",
    // 1 -> 2: what each date is for and how its family keeps a day the year
    // lacks; the defaults are the rules every date followed before.
    R"(
ALTER TABLE dates ADD COLUMN what TEXT NOT NULL DEFAULT 'other';
ALTER TABLE dates ADD COLUMN adar TEXT NOT NULL DEFAULT 'options';
ALTER TABLE dates ADD COLUMN short_month TEXT NOT NULL DEFAULT 'options';
ALTER TABLE dates ADD COLUMN adar1_thirty TEXT NOT NULL DEFAULT 'options';
ALTER TABLE dates ADD COLUMN burial TEXT;
)",
    // 2 -> 3: what the last sync sent to each of the user's calendars, by
    // the object's path there.
    R"(
CREATE TABLE sync_items (
    calendar TEXT NOT NULL,
    href TEXT NOT NULL,
    uid TEXT NOT NULL,
    etag TEXT NOT NULL,
    ours INTEGER NOT NULL,
    digest TEXT NOT NULL,
    PRIMARY KEY (calendar, href)
);
)",
    // 3 -> 4: the sync-token (RFC 6578) each calendar gave with its last
    // listing, so the next sync asks only for what changed since.
    R"(
CREATE TABLE sync_tokens (
    calendar TEXT PRIMARY KEY,
    token TEXT NOT NULL
);
)",
};
static_assert(std::size(SchemaSteps) == 4);

constexpr const char* SelectEntries =
    "SELECT id, occasion, date, after_sunset, jewish_year, jewish_month, jewish_day, kind, days_before, "
    "created, changed, last_notified, what, adar, short_month, adar1_thirty, burial FROM dates ORDER BY id";

// A store of version 1, read without bringing it up to date, has the
// defaults of the columns it lacks.
constexpr const char* SelectVersion1Entries =
    "SELECT id, occasion, date, after_sunset, jewish_year, jewish_month, jewish_day, kind, days_before, "
    "created, changed, last_notified, 'other', 'options', 'options', 'options', NULL FROM dates ORDER BY id";

std::int64_t FileVersion(sqlite3* Database)
{
    TSqliteStatement Version(Database, "PRAGMA user_version");
    Version.Step();
    return Version.Integer(0);
}

std::string Quoted(const fs::path& File)
{
    return "\"" + File.string() + "\"";
}

std::string IsoText(TGregorianDate Date)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%04d-%02d-%02d", Date.Year, Date.Month, Date.Day);
    return Text;
}

std::optional<TGregorianDate> IsoDate(std::string_view Text)
{
    TGregorianDate Date;
    const char* End = Text.data() + Text.size();
    auto Read = [&](const char* From, std::int32_t& Value) { return std::from_chars(From, End, Value); };
    auto [AfterYear, YearError] = Read(Text.data(), Date.Year);
    if (YearError != std::errc() || AfterYear == End || *AfterYear != '-')
        return std::nullopt;
    auto [AfterMonth, MonthError] = Read(AfterYear + 1, Date.Month);
    if (MonthError != std::errc() || AfterMonth == End || *AfterMonth != '-')
        return std::nullopt;
    auto [AfterDay, DayError] = Read(AfterMonth + 1, Date.Day);
    if (DayError != std::errc() || AfterDay != End)
        return std::nullopt;
    return Date;
}

using TDatabase = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

TDatabase Own(sqlite3* Database)
{
    return TDatabase(Database, sqlite3_close);
}

// A writable connection with the settings every writer needs: another
// process may hold the file for a moment, and the log lets readers go on.
TDatabase OpenWritable(const fs::path& File, bool Create)
{
    sqlite3* Raw = nullptr;
    const int Flags = SQLITE_OPEN_READWRITE | (Create ? SQLITE_OPEN_CREATE : 0);
    TDatabase Database = Own(nullptr);
    if (sqlite3_open_v2(File.c_str(), &Raw, Flags, nullptr) != SQLITE_OK) {
        sqlite3_close(Raw);
        return Database;
    }
    Database = Own(Raw);
    sqlite3_busy_timeout(Raw, 5000);
    sqlite3_extended_result_codes(Raw, 1);
    if (sqlite3_exec(Raw, "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL", nullptr, nullptr, nullptr) != SQLITE_OK)
        return Own(nullptr);
    return Database;
}

// Runs Body as one transaction that holds the write lock from its start: a
// writer in another process then waits for it (the busy timeout) instead of
// failing on a snapshot that the other's commit made stale. What Body
// returns is returned only once the commit has succeeded.
template <typename TBody>
auto InWriteTransaction(sqlite3* Database, TBody&& Body)
{
    TSqliteStatement(Database, "BEGIN IMMEDIATE").Run();
    try {
        auto Result = Body();
        TSqliteStatement(Database, "COMMIT").Run();
        return Result;
    } catch (...) {
        sqlite3_exec(Database, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

// Runs the schema steps the store lacks, once: a second process doing the
// same at the same moment finds them done. An error leaves the store as it
// was.
void UpgradeSchema(sqlite3* Database)
{
    constexpr auto Latest = static_cast<std::int64_t>(std::size(SchemaSteps));
    if (FileVersion(Database) >= Latest)
        return;
    InWriteTransaction(Database, [&] {
        for (std::int64_t Version = FileVersion(Database); Version < Latest; ++Version) {
            if (sqlite3_exec(Database, SchemaSteps[Version], nullptr, nullptr, nullptr) != SQLITE_OK)
                throw ERememberStoreError(sqlite3_errmsg(Database));
        }
        TSqliteStatement(Database, ("PRAGMA user_version = " + std::to_string(Latest)).c_str()).Run();
        return true;
    });
}

// Writes a new, empty store to File. It is built under another name and
// linked into place whole, so that a process killed while creating it never
// leaves a file that the next start would take for damage; when another
// process got there first, its store is kept.
void CreateStoreFile(const fs::path& File)
{
    fs::path Building = File;
    Building += ".new-" + std::to_string(::getpid());
    std::error_code Error;
    fs::remove(Building, Error);
    {
        TDatabase Database = OpenWritable(Building, true);
        if (!Database)
            throw ERememberStoreError("The dates to remember cannot be saved in " + Quoted(File) + ".");
        UpgradeSchema(Database.get());
    }
    if (::link(Building.c_str(), File.c_str()) != 0 && errno != EEXIST)
        fs::rename(Building, File, Error);
    fs::remove(Building, Error);
}

}  // namespace

static_assert(RememberApplicationId == 1297241678);
static_assert(TRememberStore::SchemaVersion == std::size(SchemaSteps));

fs::path DefaultRememberStorePath()
{
    fs::path Data;
    if (const char* Xdg = std::getenv("XDG_DATA_HOME"); Xdg && *Xdg && fs::path(Xdg).is_absolute())
        Data = Xdg;
    else if (const char* Home = std::getenv("HOME"); Home && *Home)
        Data = fs::path(Home) / ".local" / "share";
    else
        Data = fs::current_path();
    return Data / "Tellwen" / "Mirvane" / "remember.sqlite";
}

std::vector<TRememberEntry> ReadRememberEntries(const fs::path& File)
{
    std::error_code Ignored;
    if (!fs::exists(File, Ignored))
        return {};
    const TRememberStore Store = TRememberStore::Open(File, TDamagedFile::LeaveInPlace, TStoreAccess::Read);
    if (Store.Failed())
        throw ERememberStoreError(Store.Notice());
    return Store.List();
}

TRememberStore::TRememberStore(TRememberStore&&) noexcept = default;
TRememberStore& TRememberStore::operator=(TRememberStore&&) noexcept = default;
TRememberStore::~TRememberStore() = default;

TRememberStore TRememberStore::Open(const fs::path& File, TDamagedFile Damaged, TStoreAccess Access)
{
    TRememberStore Store;
    Store.Path = File;
    std::error_code Error;
    const bool Exists = fs::exists(fs::symlink_status(File, Error));
    TStoreFileKind Kind = Exists ? InspectStoreFile(File, SchemaVersion) : TStoreFileKind::Ours;
    const bool Bad = Kind == TStoreFileKind::Foreign || Kind == TStoreFileKind::Damaged;
    if (Bad && Damaged == TDamagedFile::LeaveInPlace) {
        Store.OpenNotice = "The dates to remember in " + Quoted(File) +
                           " cannot be read: the file is damaged or was not written by Mirvane. It is left as it is.";
        Store.RefusalText = Store.OpenNotice;
        Store.FileFailed = true;
        return Store;
    }
    if (Bad) {
        try {
            const fs::path Aside = MoveStoreAside(File);
            Store.OpenNotice = "The dates to remember in " + Quoted(File) +
                               " could not be read: the file is damaged or was not written by Mirvane. It was moved "
                               "to " + Quoted(Aside) + " and a new list begins.";
        } catch (const fs::filesystem_error& Failure) {
            Store.OpenNotice = "The dates to remember in " + Quoted(File) +
                               " could not be read, and the file could not be moved aside (" + Failure.what() +
                               "). It is left as it is; changes cannot be saved.";
            Store.RefusalText = "The dates to remember cannot be changed: " + Quoted(File) + " cannot be read.";
            Store.FileFailed = true;
            return Store;
        }
    } else if (Kind == TStoreFileKind::Newer) {
        Store.Database = Own(OpenForReading(File));
        Store.OpenNotice = "The dates to remember in " + Quoted(File) +
                           " were saved by a newer version of Mirvane. They are shown, but changes cannot be saved.";
        Store.RefusalText = "The dates to remember were saved by a newer version of Mirvane and cannot be changed.";
        return Store;
    } else if (Kind == TStoreFileKind::Unreadable) {
        Store.OpenNotice = "The dates to remember in " + Quoted(File) + " cannot be read.";
        Store.RefusalText = Store.OpenNotice + " Changes cannot be saved.";
        Store.FileFailed = true;
        return Store;
    }

    const bool Created = !fs::exists(fs::symlink_status(File, Error));
    if (Access == TStoreAccess::Read) {
        if (!Created)
            Store.Database = Own(OpenForReading(File));
        Store.RefusalText = "The dates to remember are open for reading only.";
        return Store;
    }
    if (Created && File.has_parent_path())
        fs::create_directories(File.parent_path(), Error);
    if (!Created && !StoreWritable(File)) {
        Store.Database = Own(OpenForReading(File));
        Store.RefusalText = "The dates to remember in " + Quoted(File) + " are read-only; changes cannot be saved.";
        return Store;
    }
    try {
        if (Created)
            CreateStoreFile(File);
        Store.Database = OpenWritable(File, false);
        if (Store.Database)
            UpgradeSchema(Store.Database.get());
    } catch (const ERememberStoreError&) {
        Store.Database.reset();
    }
    if (!Store.Database) {
        Store.RefusalText = "The dates to remember cannot be saved in " + Quoted(File) + ".";
        return Store;
    }
    Store.Writable = true;
    return Store;
}

void TRememberStore::RefuseWhenReadOnly() const
{
    if (!Writable)
        throw ERememberStoreError(RefusalText);
}

std::vector<TRememberEntry> TRememberStore::List() const
{
    std::vector<TRememberEntry> Entries;
    if (!Database)
        return Entries;
    TSqliteStatement Select(Database.get(), FileVersion(Database.get()) < 2 ? SelectVersion1Entries : SelectEntries);
    while (Select.Step()) {
        TRememberEntry Entry;
        Entry.Id = Select.Integer(0);
        Entry.Occasion = Select.Text(1);
        const std::optional<TGregorianDate> Date = IsoDate(Select.Text(2));
        const std::optional<TRememberKind> Kind = KindFromName(Select.Text(7));
        const std::optional<TOccasionWhat> What = WhatFromName(Select.Text(12));
        const std::optional<TAdarCustom> Adar = AdarCustomFromName(Select.Text(13));
        const std::optional<TShortMonthCustom> ShortMonth = ShortMonthCustomFromName(Select.Text(14));
        const std::optional<TAdar1ThirtyCustom> Adar1Thirty = Adar1ThirtyCustomFromName(Select.Text(15));
        const std::optional<TGregorianDate> Burial =
            Select.IsNull(16) ? std::nullopt : IsoDate(Select.Text(16));
        // A row this program cannot understand stays in the file, unshown.
        if (!Date || !Kind || !What || !Adar || !ShortMonth || !Adar1Thirty || (!Select.IsNull(16) && !Burial))
            continue;
        Entry.Date = *Date;
        Entry.AfterSunset = Select.Integer(3) != 0;
        Entry.JewishDate = {static_cast<std::int32_t>(Select.Integer(4)), static_cast<std::int32_t>(Select.Integer(5)),
                            static_cast<std::int32_t>(Select.Integer(6))};
        Entry.Kind = *Kind;
        Entry.DaysBefore = static_cast<std::int32_t>(Select.Integer(8));
        Entry.Created = Select.Text(9);
        Entry.Changed = Select.Text(10);
        if (!Select.IsNull(11))
            Entry.LastNotified = IsoDate(Select.Text(11));
        Entry.What = *What;
        Entry.Adar = *Adar;
        Entry.ShortMonth = *ShortMonth;
        Entry.Adar1Thirty = *Adar1Thirty;
        Entry.Burial = Burial;
        Entries.push_back(std::move(Entry));
    }
    return Entries;
}

namespace {

void CheckEntry(const TRememberEntry& Entry)
{
    if (const std::string Problem = EntryProblem(Entry); !Problem.empty())
        throw ERememberStoreError(Problem);
}

void BindDetails(TSqliteStatement& Statement, const TRememberEntry& Entry, const std::string& Now)
{
    Statement.Bind(1, std::string_view(Entry.Occasion))
        .Bind(2, IsoText(Entry.Date))
        .Bind(3, std::int64_t{Entry.AfterSunset})
        .Bind(4, std::int64_t{Entry.JewishDate.Year})
        .Bind(5, std::int64_t{Entry.JewishDate.Month})
        .Bind(6, std::int64_t{Entry.JewishDate.Day})
        .Bind(7, KindName(Entry.Kind))
        .Bind(8, std::int64_t{Entry.DaysBefore})
        .Bind(9, std::string_view(Now))
        .Bind(11, WhatName(Entry.What))
        .Bind(12, CustomName(Entry.Adar))
        .Bind(13, CustomName(Entry.ShortMonth))
        .Bind(14, CustomName(Entry.Adar1Thirty));
    if (Entry.Burial)
        Statement.Bind(15, IsoText(*Entry.Burial));
}

// Runs a change of the entry Id in its own transaction; refused, and nothing
// changed, when there is no such entry.
void RunChange(sqlite3* Database, TSqliteStatement& Statement, std::int64_t Id)
{
    InWriteTransaction(Database, [&] {
        Statement.Run();
        if (sqlite3_changes(Database) == 0)
            throw ERememberStoreError("There is no date to remember with the id " + std::to_string(Id) + ".");
        return true;
    });
}

}  // namespace

std::int64_t TRememberStore::Add(const TRememberEntry& Entry)
{
    return AddAll({Entry}).front();
}

std::vector<std::int64_t> TRememberStore::AddAll(const std::vector<TRememberEntry>& Entries)
{
    RefuseWhenReadOnly();
    for (const TRememberEntry& Entry : Entries)
        CheckEntry(Entry);
    const std::string Now = UtcTimestamp();
    return InWriteTransaction(Database.get(), [&] {
        TSqliteStatement Insert(Database.get(),
                                "INSERT INTO dates (occasion, date, after_sunset, jewish_year, jewish_month, "
                                "jewish_day, kind, days_before, created, changed, what, adar, short_month, "
                                "adar1_thirty, burial) "
                                "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?9, ?11, ?12, ?13, ?14, ?15)");
        std::vector<std::int64_t> Ids;
        Ids.reserve(Entries.size());
        for (const TRememberEntry& Entry : Entries) {
            BindDetails(Insert, Entry, Now);
            Insert.Run();
            Ids.push_back(sqlite3_last_insert_rowid(Database.get()));
        }
        return Ids;
    });
}

std::size_t TRememberStore::RemoveAll(const std::vector<std::int64_t>& Ids)
{
    RefuseWhenReadOnly();
    return InWriteTransaction(Database.get(), [&] {
        TSqliteStatement Delete(Database.get(), "DELETE FROM dates WHERE id = ?1");
        std::size_t Removed = 0;
        for (const std::int64_t Id : Ids) {
            Delete.Bind(1, Id).Run();
            Removed += static_cast<std::size_t>(sqlite3_changes(Database.get()));
        }
        return Removed;
    });
}

void TRememberStore::Update(const TRememberEntry& Entry)
{
    RefuseWhenReadOnly();
    CheckEntry(Entry);
    TSqliteStatement Change(Database.get(),
                            "UPDATE dates SET occasion = ?1, date = ?2, after_sunset = ?3, jewish_year = ?4, "
                            "jewish_month = ?5, jewish_day = ?6, kind = ?7, days_before = ?8, changed = ?9, "
                            "what = ?11, adar = ?12, short_month = ?13, adar1_thirty = ?14, burial = ?15 "
                            "WHERE id = ?10");
    BindDetails(Change, Entry, UtcTimestamp());
    Change.Bind(10, Entry.Id);
    RunChange(Database.get(), Change, Entry.Id);
}

void TRememberStore::Remove(std::int64_t Id)
{
    RefuseWhenReadOnly();
    TSqliteStatement Delete(Database.get(), "DELETE FROM dates WHERE id = ?1");
    RunChange(Database.get(), Delete.Bind(1, Id), Id);
}

void TRememberStore::SetLastNotified(std::int64_t Id, TGregorianDate Day)
{
    RefuseWhenReadOnly();
    TSqliteStatement Mark(Database.get(), "UPDATE dates SET last_notified = ?1 WHERE id = ?2");
    RunChange(Database.get(), Mark.Bind(1, IsoText(Day)).Bind(2, Id), Id);
}

}  // namespace mirvane
