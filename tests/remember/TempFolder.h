#pragma once

#include <filesystem>
#include <string>

#include "remember/RememberEntry.h"

namespace mirvane {

// A fresh folder under the system's temporary folder, removed with all it
// holds (permissions given back first) when the test ends.
class TTempFolder {
public:
    TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;
    ~TTempFolder();

    const std::filesystem::path& Path() const { return Folder; }
    std::filesystem::path Store() const { return Folder / "remember.sqlite"; }

private:
    std::filesystem::path Folder;
};

std::string FileBytes(const std::filesystem::path& File);
void WriteBytes(const std::filesystem::path& File, const std::string& Bytes);

// A valid entry: 1 December 1970, 3 Kislev 5731, every year on the Jewish
// date, 7 days before.
TRememberEntry SampleEntry(std::string Occasion);

// False where this user may write read-only files and folders (root).
bool PermissionsHold(const std::filesystem::path& Folder);

}  // namespace mirvane
