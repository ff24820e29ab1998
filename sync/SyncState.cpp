#include "sync/SyncState.h"

#include <memory>

#include <sqlite3.h>

#include "remember/RememberStore.h"
#include "remember/SqliteStatement.h"

namespace mirvane {
namespace fs = std::filesystem;
namespace {

using TConnection = std::unique_ptr<sqlite3, int (*)(sqlite3*)>;

TConnection Connect(const fs::path& File, int Flags)
{
    sqlite3* Raw = nullptr;
    const int Opened = sqlite3_open_v2(File.c_str(), &Raw, Flags, nullptr);
    TConnection Connection(Raw, sqlite3_close);
    if (Opened != SQLITE_OK)
        throw ERememberStoreError(SqliteFailure(Raw, "The sync state in \"" + File.string() + "\" cannot be opened"));
    sqlite3_busy_timeout(Raw, 5000);
    return Connection;
}

bool HasTable(sqlite3* Database, const char* Name)
{
    TSqliteStatement Query(Database, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?");
    Query.Bind(1, std::string(Name));
    return Query.Step();
}

// Body inside one write transaction on the store, made first when missing.
template <typename TBody>
void Change(const fs::path& File, TBody&& Body)
{
    {
        // Opening makes the store when there is none yet, brings an older
        // one's schema up to date, and refuses a damaged or foreign file.
        const TRememberStore Store = TRememberStore::Open(File, TDamagedFile::LeaveInPlace);
        if (Store.Failed() || Store.ReadOnly())
            throw ERememberStoreError(Store.Notice().empty() ? "\"" + File.string() + "\" cannot be written."
                                                             : Store.Notice());
    }
    const TConnection Connection = Connect(File, SQLITE_OPEN_READWRITE);
    sqlite3* Database = Connection.get();
    TSqliteStatement(Database, "BEGIN IMMEDIATE").Run();
    try {
        Body(Database);
        TSqliteStatement(Database, "COMMIT").Run();
    } catch (...) {
        sqlite3_exec(Database, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void DeleteCalendar(sqlite3* Database, const std::string& Calendar)
{
    TSqliteStatement(Database, "DELETE FROM sync_items WHERE calendar = ?").Bind(1, Calendar).Run();
    TSqliteStatement(Database, "DELETE FROM sync_tokens WHERE calendar = ?").Bind(1, Calendar).Run();
}

}  // namespace

TSyncState ReadSyncState(const fs::path& File, const std::string& Calendar)
{
    TSyncState State;
    std::error_code Error;
    if (!fs::exists(File, Error))
        return State;
    const TConnection Connection = Connect(File, SQLITE_OPEN_READONLY);
    if (!HasTable(Connection.get(), "sync_items"))
        return State;
    TSqliteStatement Select(Connection.get(),
                            "SELECT href, uid, etag, ours, digest FROM sync_items WHERE calendar = ?");
    Select.Bind(1, Calendar);
    while (Select.Step())
        State.Items[Select.Text(0)] = {Select.Text(1), Select.Text(2), Select.Integer(3) != 0, Select.Text(4)};
    if (HasTable(Connection.get(), "sync_tokens")) {
        TSqliteStatement Token(Connection.get(), "SELECT token FROM sync_tokens WHERE calendar = ?");
        Token.Bind(1, Calendar);
        if (Token.Step())
            State.Token = Token.Text(0);
    }
    return State;
}

void WriteSyncState(const fs::path& File, const std::string& Calendar, const TSyncState& State)
{
    Change(File, [&](sqlite3* Database) {
        DeleteCalendar(Database, Calendar);
        for (const auto& [Href, Item] : State.Items) {
            TSqliteStatement Insert(Database, "INSERT INTO sync_items (calendar, href, uid, etag, ours, digest) "
                                              "VALUES (?, ?, ?, ?, ?, ?)");
            Insert.Bind(1, Calendar).Bind(2, Href).Bind(3, Item.Uid).Bind(4, Item.Etag);
            Insert.Bind(5, std::int64_t{Item.Ours}).Bind(6, Item.Digest).Run();
        }
        if (!State.Token.empty())
            TSqliteStatement(Database, "INSERT INTO sync_tokens (calendar, token) VALUES (?, ?)")
                .Bind(1, Calendar)
                .Bind(2, State.Token)
                .Run();
    });
}

void ForgetSyncState(const fs::path& File, const std::string& Calendar)
{
    std::error_code Error;
    if (fs::exists(File, Error))
        Change(File, [&](sqlite3* Database) { DeleteCalendar(Database, Calendar); });
}

}  // namespace mirvane
