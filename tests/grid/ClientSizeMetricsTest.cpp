#include <gtest/gtest.h>

#include <limits>

#include "grid/ClientSizeMetrics.h"

namespace mirvane {
namespace {

TEST(ClientSizeMetrics, FillsTheCalendarPagesGrid)
{
    // 75 + 75 + 75 + 112 and 11 + 11 + 31 x 10, each with a line after it.
    EXPECT_EQ(ClientSizeMetrics(341, 365, 1, 4, 33), (TClientSizeMetrics{75, 112, 10, 11}));
}

TEST(ClientSizeMetrics, RoundsWidthsHalfToEvenAndCutsHeights)
{
    struct TCase {
        std::int32_t Width;
        std::int32_t Height;
        TClientSizeMetrics Expected;
    };
    for (const TCase& Case : {
             // (339 - 3) / 4.5 = 74.67: 75; 1.5 x 75 = 112.5: 112.
             TCase{339, 396, {75, 112, 11, 12}},
             // (345 - 3) / 4.5 = 76: 114; (428 - 32) / 33 = 12.
             TCase{345, 428, {76, 114, 12, 13}},
             // 1.5 x 77 = 115.5: 116.
             TCase{350, 100, {77, 116, 2, 3}},
         })
        EXPECT_EQ(ClientSizeMetrics(Case.Width, Case.Height, 1, 4, 33), Case.Expected) << Case.Width;
}

TEST(ClientSizeMetrics, TinyAndAbsurdSizesGiveNoNegativeCells)
{
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(ClientSizeMetrics(0, 0, 1, 4, 33), (TClientSizeMetrics{0, 0, 0, 1}));
    EXPECT_EQ(ClientSizeMetrics(Min, Min, Max, Min, Min), (TClientSizeMetrics{0, 0, 0, 1}));
    const TClientSizeMetrics Huge = ClientSizeMetrics(Max, Max, 0, 1, 1);
    EXPECT_GT(Huge.ColWidth, 0);
    EXPECT_EQ(Huge.LastColWidth, Max);
    EXPECT_EQ(Huge.RowHeight, Max);
    EXPECT_EQ(Huge.HeadingRowHeight, Max);
}

}  // namespace
}  // namespace mirvane
