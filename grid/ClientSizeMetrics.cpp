#include "grid/ClientSizeMetrics.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mirvane {
namespace {

// Numerator / Denominator rounded to the nearest integer, halves to even;
// Numerator >= 0 and Denominator > 0.
std::int64_t RoundHalfEven(std::int64_t Numerator, std::int64_t Denominator)
{
    const std::int64_t Quotient = Numerator / Denominator;
    const std::int64_t Twice = 2 * (Numerator % Denominator);
    if (Twice > Denominator || (Twice == Denominator && Quotient % 2 != 0))
        return Quotient + 1;
    return Quotient;
}

std::int32_t Pixels(std::int64_t Value)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Value, 0, std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

TClientSizeMetrics ClientSizeMetrics(std::int32_t Width, std::int32_t Height, std::int32_t LineWidth,
                                     std::int32_t ColCount, std::int32_t RowCount)
{
    const std::int64_t Columns = std::max(ColCount, 1);
    const std::int64_t Rows = std::max(RowCount, 1);
    const std::int64_t Line = std::max(LineWidth, 0);
    TClientSizeMetrics Metrics;

    // (Width - lines) / (Columns + 0.5), as twice the space over 2 Columns + 1.
    const std::int64_t ColumnSpace = std::max<std::int64_t>(std::int64_t{Width} - (Columns - 1) * Line, 0);
    Metrics.ColWidth = Pixels(RoundHalfEven(2 * ColumnSpace, 2 * Columns + 1));
    Metrics.LastColWidth = Pixels(RoundHalfEven(3 * std::int64_t{Metrics.ColWidth}, 2));

    const std::int64_t RowSpace = std::max<std::int64_t>(std::int64_t{Height} - (Rows - 1) * Line, 0);
    Metrics.RowHeight = Pixels(RowSpace / Rows);
    Metrics.HeadingRowHeight = Pixels(std::int64_t{Metrics.RowHeight} + 1);
    return Metrics;
}

}  // namespace mirvane
