// Time from process start to the first painted main window, and the peak
// resident memory, of Mirvane beside a bare Qt main window.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

extern char** environ;

namespace {

// The probes' environment: this one, with a settings folder of their own
// (nothing of the user's is read or written) and the offscreen platform when
// there is no display.
std::vector<std::string> ProbeEnvironment(const std::filesystem::path& ConfigFolder)
{
    std::vector<std::string> Variables;
    for (char** Entry = environ; *Entry != nullptr; ++Entry) {
        const std::string Variable = *Entry;
        if (Variable.rfind("XDG_CONFIG_HOME=", 0) != 0) {
            Variables.push_back(Variable);
        }
    }
    Variables.push_back("XDG_CONFIG_HOME=" + ConfigFolder.string());
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr &&
        std::getenv("QT_QPA_PLATFORM") == nullptr) {
        Variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    }
    return Variables;
}

struct TStart {
    double Seconds = 0;
    double PeakMiB = 0;
    bool Painted = false;
};

TStart StartOnce(const char* Program, const std::vector<std::string>& Environment)
{
    std::array<int, 2> Pipe{};
    if (::pipe(Pipe.data()) != 0) {
        return {};
    }
    posix_spawn_file_actions_t Actions;
    posix_spawn_file_actions_init(&Actions);
    posix_spawn_file_actions_adddup2(&Actions, Pipe[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&Actions, Pipe[0]);
    std::vector<char*> Variables;
    for (const std::string& Variable : Environment) {
        Variables.push_back(const_cast<char*>(Variable.c_str()));
    }
    Variables.push_back(nullptr);
    std::string Name = Program;
    std::array<char*, 2> Arguments{Name.data(), nullptr};

    TStart Start;
    const auto Begin = std::chrono::steady_clock::now();
    pid_t Child = 0;
    const int Spawned = posix_spawn(&Child, Program, &Actions, nullptr, Arguments.data(), Variables.data());
    posix_spawn_file_actions_destroy(&Actions);
    ::close(Pipe[1]);
    if (Spawned != 0) {
        ::close(Pipe[0]);
        return {};
    }
    char Letter = 0;
    while (::read(Pipe[0], &Letter, 1) == 1) {
        if (Letter == '\n') {
            Start.Painted = true;
            break;
        }
    }
    Start.Seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - Begin).count();
    ::close(Pipe[0]);
    int Status = 0;
    rusage Usage{};
    ::wait4(Child, &Status, 0, &Usage);
    Start.PeakMiB = static_cast<double>(Usage.ru_maxrss) / 1024.0;
    return Start;
}

void StartUp(benchmark::State& State, const char* Program)
{
    const std::filesystem::path ConfigFolder =
        std::filesystem::temp_directory_path() / ("mirvane-startup-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ConfigFolder);
    const std::vector<std::string> Environment = ProbeEnvironment(ConfigFolder);
    double PeakMiB = 0;
    for (auto _ : State) {
        const TStart Start = StartOnce(Program, Environment);
        if (!Start.Painted) {
            State.SkipWithError("the window was never painted");
            break;
        }
        State.SetIterationTime(Start.Seconds);
        PeakMiB = std::max(PeakMiB, Start.PeakMiB);
    }
    State.counters["PeakMiB"] = PeakMiB;
    std::filesystem::remove_all(ConfigFolder);
}

}  // namespace

BENCHMARK_CAPTURE(StartUp, Mirvane, MIRVANE_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(StartUp, BareQtWindow, BARE_WINDOW_PROBE)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
