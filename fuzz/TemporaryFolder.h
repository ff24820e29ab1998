#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "fuzz/FuzzCheck.h"

namespace mirvane::fuzz {

// A new folder named after Prefix, for the whole run and removed at its end:
// in memory where the system has such a folder, as syncing a file there
// costs nothing and the store syncs on every change; otherwise in the
// temporary folder. One a process.
inline std::filesystem::path MakeTemporaryFolder(const std::string& Prefix)
{
    static std::filesystem::path Made;
    std::error_code Error;
    const std::filesystem::path Memory("/dev/shm");
    const std::filesystem::path Base =
        std::filesystem::is_directory(Memory, Error) ? Memory : std::filesystem::temp_directory_path(Error);
    std::string Name = (Base / (Prefix + "-XXXXXX")).string();
    if (!::mkdtemp(Name.data()))
        Fail("no temporary folder");
    Made = Name;
    std::atexit([] {
        std::error_code Ignored;
        std::filesystem::remove_all(Made, Ignored);
    });
    return Made;
}

// A temporary folder that is also the run's data folder, so that the
// command line's default list of dates to remember is never the user's.
inline std::filesystem::path MakeOwnDataFolder(const std::string& Prefix)
{
    const std::filesystem::path Folder = MakeTemporaryFolder(Prefix);
    if (::setenv("XDG_DATA_HOME", Folder.c_str(), 1) != 0)
        Fail("no data folder of its own");
    return Folder;
}

}  // namespace mirvane::fuzz
