#include <benchmark/benchmark.h>

#include "learning/LearningCycles.h"

namespace mirvane {
namespace {

using namespace std::chrono;

// A cycle's reading for every day of a hundred years, as the events command
// streams them.
void ReadingsOfAHundredYears(benchmark::State& State)
{
    const TLearningCycle Cycle = AllLearningCycles[static_cast<std::size_t>(State.range(0))];
    State.SetLabel(std::string(LearningCycleKey(Cycle)));
    const sys_days First{year{2000} / January / day{1}};
    const sys_days Last{year{2099} / December / day{31}};
    for (auto _ : State)
        for (sys_days Day = First; Day <= Last; Day += days{1})
            benchmark::DoNotOptimize(LearningReadingOn(Cycle, Day));
    State.SetItemsProcessed(State.iterations() * ((Last - First).count() + 1));
}
BENCHMARK(ReadingsOfAHundredYears)->DenseRange(0, AllLearningCycles.size() - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvane
