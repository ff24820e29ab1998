#include "tests/remember/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace mirvane {
namespace fs = std::filesystem;

TTempFolder::TTempFolder()
{
    std::string Template = (fs::temp_directory_path() / "mirvane-remember-XXXXXX").string();
    if (!::mkdtemp(Template.data()))
        throw std::runtime_error("no temporary folder");
    Folder = Template;
}

TTempFolder::~TTempFolder()
{
    std::error_code Error;
    for (const fs::directory_entry& Entry : fs::recursive_directory_iterator(Folder, Error))
        fs::permissions(Entry.path(), fs::perms::owner_all, fs::perm_options::add, Error);
    fs::permissions(Folder, fs::perms::owner_all, fs::perm_options::add, Error);
    fs::remove_all(Folder, Error);
}

std::string FileBytes(const fs::path& File)
{
    std::ifstream Stream(File, std::ios::binary);
    std::ostringstream Bytes;
    Bytes << Stream.rdbuf();
    return Bytes.str();
}

void WriteBytes(const fs::path& File, const std::string& Bytes)
{
    std::ofstream Stream(File, std::ios::binary | std::ios::trunc);
    Stream << Bytes;
}

TRememberEntry SampleEntry(std::string Occasion)
{
    TRememberEntry Entry;
    Entry.Occasion = std::move(Occasion);
    Entry.Date = {1970, 12, 1};
    Entry.JewishDate = {5731, 9, 3};
    return Entry;
}

bool PermissionsHold(const fs::path& Folder)
{
    const fs::path Probe = Folder / "probe";
    fs::permissions(Folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const bool Created = std::ofstream(Probe).good();
    fs::permissions(Folder, fs::perms::owner_write, fs::perm_options::add);
    std::error_code Error;
    fs::remove(Probe, Error);
    return !Created;
}

}  // namespace mirvane
