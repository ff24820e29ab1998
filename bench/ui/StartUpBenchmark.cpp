// Time from process start to the first painted main window, and the peak
// resident memory, of Mirvane beside a Qt main window of its kind (its size,
// a menu bar, a tab for each page with a line of text on each) and a bare one.

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
    std::string Size;  // WIDTHxHEIGHT, as the window reported it
};

TStart StartOnce(const char* Program, const std::vector<std::string>& Environment, std::string Argument = {})
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
    std::array<char*, 3> Arguments{Name.data(), Argument.empty() ? nullptr : Argument.data(), nullptr};

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
    std::string Line;
    char Letter = 0;
    while (::read(Pipe[0], &Letter, 1) == 1) {
        if (Letter == '\n') {
            Start.Painted = true;
            break;
        }
        Line += Letter;
    }
    Start.Size = Line.substr(Line.find(' ') + 1);
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
    std::string Size;
};

// One line of medians against the reference window's.
void PrintAgainst(const char* Name, const TRuns& Runs, const TRuns& Reference)
{
    const double Ms = Median(Runs.Milliseconds);
    const double MiB = Median(Runs.PeakMiB);
    const double ReferenceMs = Median(Reference.Milliseconds);
    const double ReferenceMiB = Median(Reference.PeakMiB);
    std::fprintf(stderr, "%s, %s: %.1f ms against %.1f ms (%.2fx); peak %.1f MiB against %.1f MiB (%.2fx)\n", Name,
                 Runs.Size.c_str(), Ms, ReferenceMs, ReferenceMs > 0 ? Ms / ReferenceMs : 0, MiB, ReferenceMiB,
                 ReferenceMiB > 0 ? MiB / ReferenceMiB : 0);
}

// The programs take turns, Mirvane, the window of its kind at the size
// Mirvane's window had and the bare window, round after round, so that a
// busy machine slows all alike; each round is one iteration, timed by
// Mirvane's start. The medians of Mirvane and the window of its kind and
// their ratios are the counters; the bare window, which draws no text and
// so never loads a font, shows what Qt alone costs. STARTUP_EARLIER_PROBE
// names the probe of an earlier build, which then takes its turn in every
// round too, for a before-and-after in one run.
void StartUpTakingTurns(benchmark::State& State)
{
    const std::filesystem::path ConfigFolder =
        std::filesystem::temp_directory_path() / ("mirvane-startup-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(ConfigFolder);
    const std::vector<std::string> Environment = ProbeEnvironment(ConfigFolder);
    const char* Earlier = std::getenv("STARTUP_EARLIER_PROBE");
    TRuns Mirvane;
    TRuns TabsWindow;
    TRuns Bare;
    TRuns EarlierMirvane;
    const auto Run = [&](const char* Program, TRuns& Runs, const std::string& Argument = {}) {
        const TStart Start = StartOnce(Program, Environment, Argument);
        if (!Start.Painted) {
            return false;
        }
        Runs.Milliseconds.push_back(Start.Seconds * 1000.0);
        Runs.PeakMiB.push_back(Start.PeakMiB);
        Runs.Size = Start.Size;
        return true;
    };
    for (auto _ : State) {
        if (!Run(MIRVANE_PROBE, Mirvane) || !Run(TABS_WINDOW_PROBE, TabsWindow, Mirvane.Size) ||
            !Run(BARE_WINDOW_PROBE, Bare) || (Earlier != nullptr && !Run(Earlier, EarlierMirvane))) {
            State.SkipWithError("a window was never painted");
            break;
        }
        State.SetIterationTime(Mirvane.Milliseconds.back() / 1000.0);
    }
    std::filesystem::remove_all(ConfigFolder);
    const double MirvaneMs = Median(Mirvane.Milliseconds);
    const double TabsMs = Median(TabsWindow.Milliseconds);
    const double MirvaneMiB = Median(Mirvane.PeakMiB);
    const double TabsMiB = Median(TabsWindow.PeakMiB);
    State.counters["MirvaneMs"] = MirvaneMs;
    State.counters["TabsWindowMs"] = TabsMs;
    State.counters["TimeRatio"] = TabsMs > 0 ? MirvaneMs / TabsMs : 0;
    State.counters["MirvaneMiB"] = MirvaneMiB;
    State.counters["TabsWindowMiB"] = TabsMiB;
    State.counters["PeakRatio"] = TabsMiB > 0 ? MirvaneMiB / TabsMiB : 0;
    std::fprintf(stderr, "%zu rounds taking turns; against the window with a tab for each page, %s:\n",
                 Mirvane.Milliseconds.size(), TabsWindow.Size.c_str());
    PrintAgainst("Mirvane", Mirvane, TabsWindow);
    PrintAgainst("The bare window", Bare, TabsWindow);
    if (Earlier != nullptr) {
        PrintAgainst("Earlier build", EarlierMirvane, TabsWindow);
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
