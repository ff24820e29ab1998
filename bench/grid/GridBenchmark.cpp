#include <benchmark/benchmark.h>

#include <string>

#include "engine/DateServices.h"
#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "luach/LuachShow.h"

namespace mirvane {
namespace {

// September 2000 runs from 1 Elul 5760 into 1 Tishrei 5761, so its texts come
// from two Jewish years and two portion schedules.
TDateTime CrossingTishrei()
{
    return EncodeDate(2000, 9, 15);
}

void BM_LayoutMonth(benchmark::State& State)
{
    TMonthGrid Grid(CrossingTishrei());
    for (auto _ : State) {
        Grid.LayoutMonth();
        benchmark::DoNotOptimize(Grid.Page());
    }
}
BENCHMARK(BM_LayoutMonth);

// The text work of one full repaint: all 132 cells.
void BM_PageTexts(benchmark::State& State)
{
    const TMonthGrid Grid(CrossingTishrei());
    for (auto _ : State) {
        std::size_t Length = 0;
        for (std::int32_t Row = 0; Row < GridRowCount; ++Row)
            for (std::int32_t Col = 0; Col < GridColCount; ++Col)
                Length += Grid.CellText(Col, Row).size();
        benchmark::DoNotOptimize(Length);
    }
}
BENCHMARK(BM_PageTexts);

// The same repaint with every luach category and learning cycle shown, the
// grid made anew each time so that the luach's year tables are placed too.
void BM_PageTextsWholeLuach(benchmark::State& State)
{
    for (auto _ : State) {
        TMonthGrid Grid(CrossingTishrei());
        Grid.SetLuachShow(*ParseLuachShow("all"));
        std::size_t Length = 0;
        for (std::int32_t Row = 0; Row < GridRowCount; ++Row)
            for (std::int32_t Col = 0; Col < GridColCount; ++Col)
                Length += Grid.CellText(Col, Row).size();
        benchmark::DoNotOptimize(Length);
    }
}
BENCHMARK(BM_PageTextsWholeLuach)->Unit(benchmark::kMicrosecond);

// A step to the next month and back: two layouts and their notifications.
void BM_MonthSteps(benchmark::State& State)
{
    TMonthGrid Grid(CrossingTishrei());
    for (auto _ : State) {
        Grid.GoNextMonth();
        Grid.GoPrevMonth();
        benchmark::DoNotOptimize(Grid.CurrentDate());
    }
}
BENCHMARK(BM_MonthSteps);

}  // namespace
}  // namespace mirvane
