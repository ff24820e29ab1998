#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include <sqlite3.h>

namespace mirvane {

// One prepared statement; values are always bound, never written into the
// SQL text. Throws ERememberStoreError when SQLite reports an error.
class TSqliteStatement {
public:
    TSqliteStatement(sqlite3* Database, const char* Sql);
    TSqliteStatement(const TSqliteStatement&) = delete;
    TSqliteStatement& operator=(const TSqliteStatement&) = delete;
    ~TSqliteStatement();

    TSqliteStatement& Bind(int Index, std::int64_t Value);
    TSqliteStatement& Bind(int Index, std::string_view Text);
    TSqliteStatement& BindNull(int Index);
    // True while a row is there to read.
    bool Step();
    // Steps to the end; the statement may then be bound and run again.
    void Run();

    std::int64_t Integer(int Column) const;
    std::string Text(int Column) const;
    bool IsNull(int Column) const;

private:
    sqlite3* Owner;
    sqlite3_stmt* Statement = nullptr;
};

// SQLite's message for the last error on Database, after Context.
std::string SqliteFailure(sqlite3* Database, std::string_view Context);

}  // namespace mirvane
