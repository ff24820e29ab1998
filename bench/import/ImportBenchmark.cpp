// Bringing in a long list: 10,000 rows of a CSV read, checked against the
// list and added in one transaction to a new store. It should take well
// under 2 seconds.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "import/ImportPlan.h"
#include "remember/RememberStore.h"

namespace mirvane {
namespace {

std::string LongCsv(int Rows)
{
    std::string Text = "Name,Date,Note\r\n";
    for (int Row = 0; Row < Rows; ++Row)
        Text += "\"Person " + std::to_string(Row) + "\"," + std::to_string(1 + Row % 28) + "/" +
                std::to_string(1 + Row % 12) + "/" + std::to_string(1920 + Row % 100) + ",Yahrzeit\r\n";
    return Text;
}

void ImportRows(benchmark::State& State)
{
    const std::string Text = LongCsv(static_cast<int>(State.range(0)));
    const std::filesystem::path File = std::filesystem::temp_directory_path() / "mirvane-bench-import.sqlite";
    for (auto _ : State) {
        State.PauseTiming();
        std::filesystem::remove(File);
        TRememberStore Store = TRememberStore::Open(File);
        State.ResumeTiming();
        const TImportPlan Plan = PlanImport(Text, {}, Store.List());
        std::vector<TRememberEntry> Entries;
        Entries.reserve(Plan.Added.size());
        for (const TImportCandidate& Candidate : Plan.Added)
            Entries.push_back(Candidate.Entry);
        benchmark::DoNotOptimize(Store.AddAll(Entries).size());
    }
    std::filesystem::remove(File);
}
BENCHMARK(ImportRows)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace mirvane
