#include "bench/remember/StoreSeed.h"

#include <string>

#include <sqlite3.h>

#include "remember/RememberStore.h"

namespace mirvane {

void SeedStore(const std::filesystem::path& File, int Count)
{
    std::error_code Error;
    std::filesystem::remove(File, Error);
    (void)TRememberStore::Open(File);
    sqlite3* Database = nullptr;
    sqlite3_open(File.c_str(), &Database);
    sqlite3_exec(Database, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* Insert = nullptr;
    sqlite3_prepare_v2(Database,
                       "INSERT INTO dates (occasion, date, after_sunset, jewish_year, jewish_month, jewish_day, kind, "
                       "days_before, created, changed) VALUES (?1, ?2, 0, ?3, ?4, ?5, ?6, 7, "
                       "'2026-12-08T00:00:00Z', '2026-12-08T00:00:00Z')",
                       -1, &Insert, nullptr);
    constexpr const char* Kinds[] = {"jewish", "gregorian", "once"};
    for (int Index = 0; Index < Count; ++Index) {
        const std::string Occasion = "Occasion number " + std::to_string(Index * 7919 % Count);
        // Days 1 to 28 of every month of 1950 to 2049, and of Tishrei to Elul.
        const int Month = 1 + Index % 12;
        const int Day = 1 + Index % 28;
        char Date[16];
        std::snprintf(Date, sizeof Date, "%04d-%02d-%02d", 1950 + Index % 100, Month, Day);
        sqlite3_bind_text(Insert, 1, Occasion.c_str(), -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(Insert, 2, Date, -1, SQLITE_TRANSIENT);
        sqlite3_bind_int(Insert, 3, 5710 + Index % 100);
        sqlite3_bind_int(Insert, 4, 1 + Index % 12);
        sqlite3_bind_int(Insert, 5, Day);
        sqlite3_bind_text(Insert, 6, Kinds[Index % 3], -1, SQLITE_STATIC);
        sqlite3_step(Insert);
        sqlite3_reset(Insert);
    }
    sqlite3_finalize(Insert);
    sqlite3_exec(Database, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(Database);
}

}  // namespace mirvane
