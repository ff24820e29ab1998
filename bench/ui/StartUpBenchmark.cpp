// Time from process start to the first painted main window, and the peak
// resident memory, of Mirvane beside a bare Qt main window.

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
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

double Median(std::vector<double> Values)
{
    if (Values.empty()) {
        return 0;
    }
    const auto Middle = Values.begin() + static_cast<std::ptrdiff_t>(Values.size() / 2);
    std::nth_element(Values.begin(), Middle, Values.end());
    if (Values.size() % 2 != 0) {
        return *Middle;
    }
    return (*Middle + *std::max_element(Values.begin(), Middle)) / 2;
}

struct TRuns {
    std::vector<double> Milliseconds;
    std::vector<double> PeakMiB;
};

// One line of medians against the bare window's.
void PrintAgainstBare(const char* Name, const TRuns& Runs, const TRuns& Bare)
{
    const double Ms = Median(Runs.Milliseconds);
    const double MiB = Median(Runs.PeakMiB);
    const double BareMs = Median(Bare.Milliseconds);
    const double BareMiB = Median(Bare.PeakMiB);
    std::fprintf(stderr, "%s: %.1f ms against %.1f ms (%.2fx); peak %.1f MiB against %.1f MiB (%.2fx)\n", Name, Ms,
                 BareMs, BareMs > 0 ? Ms / BareMs : 0, MiB, BareMiB, BareMiB > 0 ? MiB / BareMiB : 0);
}

// The programs take turns, Mirvane, the bare window and a window with a
// menu bar and a line of text, round after round, so that a busy machine
// slows all alike; each round is one iteration, timed by Mirvane's start.
// The medians of Mirvane and the bare window and their ratios are the
// counters; the window with text shows how much of the difference any text
// costs. STARTUP_EARLIER_PROBE names the probe of an earlier build, which
// then takes its turn in every round too, for a before-and-after in one run.
void StartUpTakingTurns(benchmark::State& State)
{
    const std::filesystem::path ConfigFolder =
        std::filesystem::temp_directory_path() / ("mirvane-startup-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ConfigFolder);
    const std::vector<std::string> Environment = ProbeEnvironment(ConfigFolder);
    const char* Earlier = std::getenv("STARTUP_EARLIER_PROBE");
    TRuns Mirvane;
    TRuns Bare;
    TRuns TextWindow;
    TRuns EarlierMirvane;
    const auto Run = [&](const char* Program, TRuns& Runs) {
        const TStart Start = StartOnce(Program, Environment);
        if (!Start.Painted) {
            return false;
        }
        Runs.Milliseconds.push_back(Start.Seconds * 1000.0);
        Runs.PeakMiB.push_back(Start.PeakMiB);
        return true;
    };
    for (auto _ : State) {
        if (!Run(MIRVANE_PROBE, Mirvane) || !Run(BARE_WINDOW_PROBE, Bare) || !Run(TEXT_WINDOW_PROBE, TextWindow) ||
            (Earlier != nullptr && !Run(Earlier, EarlierMirvane))) {
            State.SkipWithError("a window was never painted");
            break;
        }
        State.SetIterationTime(Mirvane.Milliseconds.back() / 1000.0);
    }
    std::filesystem::remove_all(ConfigFolder);
    const double MirvaneMs = Median(Mirvane.Milliseconds);
    const double BareMs = Median(Bare.Milliseconds);
    const double MirvaneMiB = Median(Mirvane.PeakMiB);
    const double BareMiB = Median(Bare.PeakMiB);
    State.counters["MirvaneMs"] = MirvaneMs;
    State.counters["BareMs"] = BareMs;
    State.counters["TimeRatio"] = BareMs > 0 ? MirvaneMs / BareMs : 0;
    State.counters["MirvaneMiB"] = MirvaneMiB;
    State.counters["BareMiB"] = BareMiB;
    State.counters["PeakRatio"] = BareMiB > 0 ? MirvaneMiB / BareMiB : 0;
    std::fprintf(stderr, "%zu rounds taking turns\n", Mirvane.Milliseconds.size());
    PrintAgainstBare("Mirvane", Mirvane, Bare);
    PrintAgainstBare("A menu bar and a line of text", TextWindow, Bare);
    if (Earlier != nullptr) {
        PrintAgainstBare("Earlier build", EarlierMirvane, Bare);
    }
}

// Twenty-one rounds, or as many as STARTUP_ROUNDS says.
benchmark::IterationCount Rounds()
{
    const char* Asked = std::getenv("STARTUP_ROUNDS");
    const long Count = Asked != nullptr ? std::strtol(Asked, nullptr, 10) : 0;
    return Count > 0 ? Count : 21;
}

}  // namespace

BENCHMARK(StartUpTakingTurns)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(Rounds());
