#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "bench/engine/RandomSamples.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"

namespace mirvane {
namespace {

void BM_SetYear(benchmark::State& State)
{
    std::mt19937 Random(5787);
    std::uniform_int_distribution<int> Year(FirstYearWithNewYearDate, LastYearWithNewYearDate);
    std::vector<int> Years(SampleCount);
    for (int& Number : Years)
        Number = Year(Random);
    TJewishYear Calculator;
    std::size_t Next = 0;
    for (auto _ : State) {
        Calculator.SetYear(Years[Next++ % Years.size()]);
        benchmark::DoNotOptimize(Calculator.NewYearDate);
    }
}
BENCHMARK(BM_SetYear);

void BM_JewishToDateTime(benchmark::State& State)
{
    const std::vector<TJewishDate> Dates = RandomJewishDates();
    std::size_t Next = 0;
    for (auto _ : State) {
        const TJewishDate& Date = Dates[Next++ % Dates.size()];
        benchmark::DoNotOptimize(JewishToDateTime(Date.Year, Date.Month, Date.Day));
    }
}
BENCHMARK(BM_JewishToDateTime);

void BM_DateTimeToJewish(benchmark::State& State)
{
    const std::vector<TDateTime> Dates = RandomDates();
    std::size_t Next = 0;
    for (auto _ : State)
        benchmark::DoNotOptimize(DateTimeToJewish(Dates[Next++ % Dates.size()]));
}
BENCHMARK(BM_DateTimeToJewish);

// Every day of a century, one conversion each: what a long list or a scroll
// through many pages costs.
void BM_DateTimeToJewishCentury(benchmark::State& State)
{
    const TDateTime First = EncodeDate(2000, 1, 1);
    const TDateTime Last = EncodeDate(2099, 12, 31);
    for (auto _ : State)
        for (TDateTime Day = First; Day <= Last; ++Day)
            benchmark::DoNotOptimize(DateTimeToJewish(Day));
    State.SetItemsProcessed(State.iterations() * static_cast<std::int64_t>(Last - First + 1));
}
BENCHMARK(BM_DateTimeToJewishCentury)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvane
