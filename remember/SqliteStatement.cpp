#include "remember/SqliteStatement.h"

#include "remember/RememberStore.h"

namespace mirvane {

std::string SqliteFailure(sqlite3* Database, std::string_view Context)
{
    std::string Message(Context);
    Message += ": ";
    Message += Database ? sqlite3_errmsg(Database) : "no database";
    Message += '.';
    return Message;
}

TSqliteStatement::TSqliteStatement(sqlite3* Database, const char* Sql) : Owner(Database)
{
    if (sqlite3_prepare_v2(Database, Sql, -1, &Statement, nullptr) != SQLITE_OK)
        throw ERememberStoreError(SqliteFailure(Database, "The dates to remember cannot be read"));
}

TSqliteStatement::~TSqliteStatement()
{
    sqlite3_finalize(Statement);
}

TSqliteStatement& TSqliteStatement::Bind(int Index, std::int64_t Value)
{
    sqlite3_bind_int64(Statement, Index, Value);
    return *this;
}

TSqliteStatement& TSqliteStatement::Bind(int Index, std::string_view Text)
{
    sqlite3_bind_text(Statement, Index, Text.data(), static_cast<int>(Text.size()), SQLITE_TRANSIENT);
    return *this;
}

TSqliteStatement& TSqliteStatement::BindNull(int Index)
{
    sqlite3_bind_null(Statement, Index);
    return *this;
}

bool TSqliteStatement::Step()
{
    const int Result = sqlite3_step(Statement);
    if (Result == SQLITE_ROW)
        return true;
    if (Result == SQLITE_DONE)
        return false;
    throw ERememberStoreError(SqliteFailure(Owner, "The dates to remember cannot be used"));
}

void TSqliteStatement::Run()
{
    while (Step()) {
    }
    // Ready to be bound and run again.
    sqlite3_reset(Statement);
}

std::int64_t TSqliteStatement::Integer(int Column) const
{
    return sqlite3_column_int64(Statement, Column);
}

std::string TSqliteStatement::Text(int Column) const
{
    const auto* Bytes = reinterpret_cast<const char*>(sqlite3_column_text(Statement, Column));
    return Bytes ? std::string(Bytes, static_cast<std::size_t>(sqlite3_column_bytes(Statement, Column)))
                 : std::string();
}

bool TSqliteStatement::IsNull(int Column) const
{
    return sqlite3_column_type(Statement, Column) == SQLITE_NULL;
}

}  // namespace mirvane
