#include <benchmark/benchmark.h>

#include "engine/DateServices.h"
#include "pages/AnniversaryPage.h"
#include "pages/DateEntry.h"
#include "pages/FestivalPage.h"
#include "pages/YearDetailsPage.h"

namespace mirvane {
namespace {

// One keystroke's work on each page, with the longest list the pages show.

void AnniversaryPageOf200Years(benchmark::State& State)
{
    TAnniversaryInput Input;
    Input.DateText = "1 December 1970";
    Input.TargetYearText = "1995";
    Input.YearsText = "200";
    Input.Today = EncodeDate(2026, 12, 6);
    Input.LocaleNames.Full[11] = "décembre";
    for (auto _ : State)
        benchmark::DoNotOptimize(ComputeAnniversaryPage(Input));
}
BENCHMARK(AnniversaryPageOf200Years)->Unit(benchmark::kMicrosecond);

void FestivalPageOf200Years(benchmark::State& State)
{
    TFestivalInput Input;
    Input.Name = "Shushan Purim";
    Input.YearText = "1995";
    Input.YearsText = "200";
    Input.Today = EncodeDate(2026, 12, 6);
    for (auto _ : State)
        benchmark::DoNotOptimize(ComputeFestivalPage(Input));
}
BENCHMARK(FestivalPageOf200Years)->Unit(benchmark::kMicrosecond);

void YearDetailsPage(benchmark::State& State)
{
    const TYearDetailsInput Input{"5787", 12, 5786};
    for (auto _ : State)
        benchmark::DoNotOptimize(ComputeYearDetails(Input));
}
BENCHMARK(YearDetailsPage)->Unit(benchmark::kMicrosecond);

void DateEntryWithLocaleNames(benchmark::State& State)
{
    TLocaleMonthNames French{
        {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.", "déc."},
        {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre",
         "novembre", "décembre"}};
    for (auto _ : State)
        benchmark::DoNotOptimize(ParseDateEntry("1 décembre 1970", DayMonthYear, French));
}
BENCHMARK(DateEntryWithLocaleNames)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirvane
