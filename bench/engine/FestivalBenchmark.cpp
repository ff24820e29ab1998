#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "engine/Anniversary.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/Festivals.h"
#include "engine/GregorianDateText.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"

namespace mirvane {
namespace {

// Every day of 100 years through one calculator that follows the months, as
// the month grid draws them: the schedule is computed once per year.
void BM_DayTextHundredYears(benchmark::State& State)
{
    constexpr std::int32_t FirstYear = 5750;
    std::int64_t Days = 0;
    for (auto _ : State) {
        TJewishYear Calculator;
        Calculator.SetYear(FirstYear);
        std::int32_t Month = Tishrei;
        while (Calculator.Year < FirstYear + 100) {
            for (std::int32_t Day = 1; Day <= Calculator.DaysInMonth(Month); ++Day) {
                benchmark::DoNotOptimize(Calculator.DayText(Month, Day));
                ++Days;
            }
            Month = Calculator.NextMonth(Month);
        }
    }
    State.SetItemsProcessed(Days);
}
BENCHMARK(BM_DayTextHundredYears)->Unit(benchmark::kMillisecond);

void BM_FindFestival(benchmark::State& State)
{
    std::vector<std::string> Names;
    FillFestivalNames(Names, TRules::Diaspora);
    TJewishYear Calculator;
    Calculator.SetYear(5785);
    std::size_t Next = 0;
    for (auto _ : State) {
        benchmark::DoNotOptimize(Calculator.FindFestival(Names[Next++ % Names.size()]));
    }
}
BENCHMARK(BM_FindFestival);

// What one keystroke on the Birthdays/Yahrtzeits page computes with a list of
// 200 years: the event's Jewish date and its text, then each year's date and
// line.
void BM_AnniversaryList200(benchmark::State& State)
{
    const TDateTime Event = EncodeDate(1970, 12, 1);
    const std::int32_t Offset = 1995 - 1970;
    std::vector<std::string> Lines;
    for (auto _ : State) {
        const TJewishDate Jewish = DateTimeToJewish(Event);
        benchmark::DoNotOptimize(JewishDateText(Jewish.Year, Jewish.Month, Jewish.Day));
        Lines.clear();
        for (std::int32_t Listed = 0; Listed < 200; ++Listed) {
            const TDateTime Answer =
                AnniversaryDate(Jewish.Year, Jewish.Month, Jewish.Day, Jewish.Year + Offset + Listed, false);
            Lines.push_back(GregorianDateText(Answer));
        }
        benchmark::DoNotOptimize(Lines.data());
    }
}
BENCHMARK(BM_AnniversaryList200)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace mirvane
