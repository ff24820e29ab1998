#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

struct sqlite3;

namespace mirvane {

// What an existing file at the store's place is, found without writing it.
enum class TStoreFileKind {
    Ours,        // a store of this version or an older one
    Newer,       // a store written by a newer version
    Foreign,     // not a store of this program (or no plain file at all)
    Damaged,     // a store of this program that SQLite cannot read whole
    Unreadable,  // the file could not be read now (permissions, or held by another process)
};

// The application id in the file's header that marks a store of this program.
inline constexpr std::int32_t RememberApplicationId = 0x4D52564E;  // "MRVN"

// Moves and deletes nothing and changes no entry. Busy or locked by another
// process beyond the busy timeout, the file is Unreadable, never Damaged.
TStoreFileKind InspectStoreFile(const std::filesystem::path& File, std::int32_t SchemaVersion);

// Moves File and its SQLite companions (-wal, -shm, -journal) to
// FILE.damaged-YYYYMMDD-HHMMSS (local time; a further "-N" when that name is
// taken) and returns the new name of File. Nothing is deleted or
// overwritten; throws std::filesystem::filesystem_error when File cannot move.
std::filesystem::path MoveStoreAside(const std::filesystem::path& File);

// Opens File for reading with the locks of a reader among writers, so that
// a write in flux is never seen half done. Where the store can be written
// the connection may write, though it is only read through: the last one to
// close then removes the log files SQLite made beside the store, which a
// read-only connection leaves. Where the folder cannot take new files and
// holds no log, nobody can be writing the file, and it is read as unchanging
// without the index file it could not make. Nothing on failure.
sqlite3* OpenForReading(const std::filesystem::path& File);

// Whether File (and its folder, which holds the log) can be written.
bool StoreWritable(const std::filesystem::path& File);

// Now, UTC, as "2026-12-08T00:43:29Z".
std::string UtcTimestamp();

}  // namespace mirvane
