#include "cli/WholeProgram.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace mirvane {

int RunWholeProgram(char** Arguments, std::ostream& Err)
{
    std::error_code Failure;
    const std::filesystem::path Folder = std::filesystem::read_symlink("/proc/self/exe", Failure).parent_path();
    if (Failure) {
        Err << "mirvane-cli: its own folder cannot be found: " << Failure.message() << '\n';
        return 1;
    }
    const std::filesystem::path Beside = Folder / "mirvane-cli-all";
    const std::filesystem::path Installed = Folder / MIRVANE_ALL_COMMANDS_FROM_BIN;
    const std::filesystem::path& Program = std::filesystem::exists(Beside) ? Beside : Installed;
    execv(Program.c_str(), Arguments);
    Err << "mirvane-cli: " << Program.string() << " cannot be run: " << std::strerror(errno) << '\n';
    return 1;
}

}  // namespace mirvane
