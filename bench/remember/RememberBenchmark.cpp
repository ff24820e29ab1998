// The dates to remember without the window: a long list opened and sorted by
// date this year, and one saved change.

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bench/remember/StoreSeed.h"
#include "remember/RememberSort.h"
#include "remember/RememberStore.h"

namespace mirvane {
namespace {

constexpr int LongList = 10000;

std::filesystem::path BenchStore(const char* Name)
{
    return std::filesystem::temp_directory_path() / Name;
}

// Opening checks the file whole, reads every entry, computes every date this
// year and sorts by it: what the page does before it shows the list.
void OpenAndSortByDate(benchmark::State& State)
{
    const std::filesystem::path File = BenchStore("mirvane-bench-open.sqlite");
    SeedStore(File, static_cast<int>(State.range(0)));
    const TDateTime Now = Today();
    for (auto _ : State) {
        const TRememberStore Store = TRememberStore::Open(File);
        std::vector<TRememberRow> Rows = RowsOf(Store.List(), Now, true);
        SortRows(Rows, TRememberSort::NextDate);
        benchmark::DoNotOptimize(Rows.data());
    }
    std::filesystem::remove(File);
}
BENCHMARK(OpenAndSortByDate)->Arg(LongList)->Unit(benchmark::kMillisecond);

// The parts of it: opening and reading, then the dates this year.
void OpenAndRead(benchmark::State& State)
{
    const std::filesystem::path File = BenchStore("mirvane-bench-read.sqlite");
    SeedStore(File, LongList);
    for (auto _ : State) {
        const TRememberStore Store = TRememberStore::Open(File);
        benchmark::DoNotOptimize(Store.List().size());
    }
    std::filesystem::remove(File);
}
BENCHMARK(OpenAndRead)->Unit(benchmark::kMillisecond);

void DatesThisYear(benchmark::State& State)
{
    const std::filesystem::path File = BenchStore("mirvane-bench-next.sqlite");
    SeedStore(File, LongList);
    const std::vector<TRememberEntry> Entries = TRememberStore::Open(File).List();
    const TDateTime Now = Today();
    for (auto _ : State)
        benchmark::DoNotOptimize(RowsOf(Entries, Now, true).data());
    std::filesystem::remove(File);
}
BENCHMARK(DatesThisYear)->Unit(benchmark::kMillisecond);

void SortByOccasion(benchmark::State& State)
{
    const std::filesystem::path File = BenchStore("mirvane-bench-sort.sqlite");
    SeedStore(File, LongList);
    const std::vector<TRememberRow> Rows = RowsOf(TRememberStore::Open(File).List(), Today(), true);
    for (auto _ : State) {
        std::vector<TRememberRow> Sorted = Rows;
        SortRows(Sorted, TRememberSort::Occasion);
        benchmark::DoNotOptimize(Sorted.data());
    }
    std::filesystem::remove(File);
}
BENCHMARK(SortByOccasion)->Unit(benchmark::kMillisecond);

// One change saved to a long list: one transaction, committed to the disk.
void SaveOneChange(benchmark::State& State)
{
    const std::filesystem::path File = BenchStore("mirvane-bench-save.sqlite");
    SeedStore(File, LongList);
    TRememberStore Store = TRememberStore::Open(File);
    TRememberEntry Entry;
    Entry.Occasion = "Benchmark";
    Entry.Date = {1970, 12, 1};
    Entry.JewishDate = {5731, 9, 3};
    Entry.Id = Store.Add(Entry);
    int Days = 0;
    for (auto _ : State) {
        Entry.DaysBefore = ++Days % 300;
        Store.Update(Entry);
    }
    std::filesystem::remove(File);
}
BENCHMARK(SaveOneChange)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvane
