#include "times/PlaceFile.h"

#include <cstdlib>
#include <memory>
#include <system_error>

namespace mirvane {
namespace {

const std::filesystem::path RelativeFile = std::filesystem::path("share") / "mirvane" / "places.tsv";

std::filesystem::path BesideProgram()
{
    std::error_code Error;
    const std::filesystem::path Program = std::filesystem::read_symlink("/proc/self/exe", Error);
    if (Error)
        return {};
    return Program.parent_path().parent_path() / RelativeFile;
}

}  // namespace

std::filesystem::path PlaceListFile()
{
    if (const char* Named = std::getenv("MIRVANE_PLACES"); Named && *Named)
        return Named;
    const std::filesystem::path Candidates[] = {BesideProgram(), std::filesystem::path(MIRVANE_INSTALL_PREFIX) / RelativeFile,
                                                MIRVANE_SOURCE_PLACES};
    for (const std::filesystem::path& Candidate : Candidates) {
        std::error_code Error;
        if (!Candidate.empty() && std::filesystem::is_regular_file(Candidate, Error))
            return Candidate;
    }
    return Candidates[1];
}

const TPlaceIndex& InstalledPlaceIndex()
{
    static std::filesystem::path IndexedFile;
    static std::unique_ptr<TPlaceIndex> Index;
    const std::filesystem::path File = PlaceListFile();
    if (!Index || File != IndexedFile) {
        Index.reset();
        Index = std::make_unique<TPlaceIndex>(ReadPlaceList(File));
        IndexedFile = File;
    }
    return *Index;
}

}  // namespace mirvane
