#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "remember/RememberEntry.h"

struct sqlite3;

namespace mirvane {

// A change the store refuses (read-only file, invalid entry, unknown id) or
// a read or write that failed; the file keeps its last saved state and the
// text says why, for a message box or the command line.
class ERememberStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// "remember.sqlite" in the user's data folder: $XDG_DATA_HOME/Tellwen/Mirvane,
// by default ~/.local/share/Tellwen/Mirvane: the window and the command line
// share it.
std::filesystem::path DefaultRememberStorePath();

// What opening does with a file that is no store of ours or is damaged.
enum class TDamagedFile {
    MoveAside,    // the window: move it aside and begin a new list
    LeaveInPlace, // the command line: leave it as it is and report it
};

// Whether the store is opened to be changed or only to be read; read, it
// is never written, not even to bring an older file up to date.
enum class TStoreAccess {
    Change,
    Read,
};

// The dates to remember of one user, in an SQLite file that the window and
// the command line may both have open: every change is one transaction, and
// the write-ahead log lets one read while the other writes.
class TRememberStore {
public:
    // The schema this program writes (PRAGMA user_version).
    static constexpr std::int32_t SchemaVersion = 4;

    // Opens or creates the store and never throws. A file that is not a
    // store of this program, or is damaged, is moved aside to
    // FILE.damaged-YYYYMMDD-HHMMSS and a new list begins; a store of a newer
    // version stays in place and is opened read-only; so is a read-only file
    // or folder. Notice() then tells what happened, naming the files.
    // With LeaveInPlace such a file stays as it is: Failed() is then true,
    // Notice() says why, and the store lists nothing and refuses changes.
    // Read access makes no file where there is none and refuses changes.
    static TRememberStore Open(const std::filesystem::path& File,
                               TDamagedFile Damaged = TDamagedFile::MoveAside,
                               TStoreAccess Access = TStoreAccess::Change);

    TRememberStore(TRememberStore&&) noexcept;
    TRememberStore& operator=(TRememberStore&&) noexcept;
    ~TRememberStore();

    const std::filesystem::path& File() const { return Path; }
    bool ReadOnly() const { return !Writable; }
    // Once, for a message box: the file was moved aside, is newer, or could
    // not be opened. Empty when the store opened as it should.
    const std::string& Notice() const { return OpenNotice; }
    // The file is there but could not be read: damaged or foreign and left
    // in place, or unreadable.
    bool Failed() const { return FileFailed; }

    // Every entry, by id. Throws ERememberStoreError when the file cannot be
    // read; an unopened store lists nothing.
    std::vector<TRememberEntry> List() const;
    // Each change is one transaction that waits its turn behind writers in
    // other processes (for a few seconds at most) rather than failing.
    // Stores a new entry and returns the id it was saved under; Created and
    // Changed are set.
    std::int64_t Add(const TRememberEntry& Entry);
    // Replaces the entry with Entry.Id, keeping its created time and its
    // last reminder day.
    void Update(const TRememberEntry& Entry);
    void Remove(std::int64_t Id);
    // Stores all the entries in one transaction, or none when one is
    // refused, and returns their ids in order.
    std::vector<std::int64_t> AddAll(const std::vector<TRememberEntry>& Entries);
    // Removes those of Ids still in the list, in one transaction, and
    // returns how many there were: taking back what AddAll added.
    std::size_t RemoveAll(const std::vector<std::int64_t>& Ids);
    // Marks the day a reminder was last shown for the entry.
    void SetLastNotified(std::int64_t Id, TGregorianDate Day);

private:
    TRememberStore() = default;
    void RefuseWhenReadOnly() const;

    std::unique_ptr<sqlite3, int (*)(sqlite3*)> Database{nullptr, nullptr};
    std::filesystem::path Path;
    bool Writable = false;
    bool FileFailed = false;
    std::string OpenNotice;
    std::string RefusalText;
};

// The entries of the list in File for reading only: none when there is no
// list yet, and none is made by looking; a damaged or foreign file stays as
// it is. Throws ERememberStoreError, saying why, when the file cannot be
// read.
std::vector<TRememberEntry> ReadRememberEntries(const std::filesystem::path& File);

}  // namespace mirvane
