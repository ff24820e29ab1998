#include "tests/cli/CliRun.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace mirvane {
namespace {

// A temporary file that is removed with the object.
class TTemporaryFile {
public:
    TTemporaryFile()
    {
        char Pattern[] = "/tmp/mirvane-cli-test-XXXXXX";
        const int Descriptor = mkstemp(Pattern);
        if (Descriptor < 0)
            throw std::runtime_error("cannot create a temporary file");
        close(Descriptor);
        Path = Pattern;
    }
    ~TTemporaryFile() { std::remove(Path.c_str()); }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    std::string Contents() const
    {
        std::ifstream File(Path, std::ios::binary);
        std::ostringstream Text;
        Text << File.rdbuf();
        return Text.str();
    }

    std::string Path;
};

}  // namespace

TCliRun RunCli(const std::vector<std::string>& Arguments)
{
    const TTemporaryFile Out;
    const TTemporaryFile Err;
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_addopen(&Actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&Actions, STDOUT_FILENO, Out.Path.c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&Actions, STDERR_FILENO, Err.Path.c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<std::string> Words{MIRVANE_CLI_PATH};
    Words.insert(Words.end(), Arguments.begin(), Arguments.end());
    std::vector<char*> Argv;
    for (std::string& Word : Words)
        Argv.push_back(Word.data());
    Argv.push_back(nullptr);

    pid_t Child = 0;
    const int Spawned = posix_spawn(&Child, MIRVANE_CLI_PATH, &Actions, nullptr, Argv.data(), environ);
    posix_spawn_file_actions_destroy(&Actions);
    if (Spawned != 0)
        throw std::runtime_error("cannot start " MIRVANE_CLI_PATH);
    int Status = 0;
    waitpid(Child, &Status, 0);
    TCliRun Run;
    Run.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : 128 + WTERMSIG(Status);
    Run.Out = Out.Contents();
    Run.Err = Err.Contents();
    return Run;
}

std::vector<std::string> Lines(const std::string& Out)
{
    std::vector<std::string> Result;
    std::istringstream Stream(Out);
    for (std::string Line; std::getline(Stream, Line);)
        Result.push_back(Line);
    return Result;
}

}  // namespace mirvane
