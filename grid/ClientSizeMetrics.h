#pragma once

#include <cstdint>

namespace mirvane {

// Cell sizes that fill a client area: every column equal but the last, which
// is one and a half times as wide; every row equal but the headings, one pixel
// higher each.
struct TClientSizeMetrics {
    std::int32_t ColWidth = 0;
    std::int32_t LastColWidth = 0;
    std::int32_t RowHeight = 0;
    std::int32_t HeadingRowHeight = 0;
    bool operator==(const TClientSizeMetrics&) const = default;
};

// For a client area Width x Height with ColCount columns, RowCount rows and
// lines LineWidth pixels wide between them. Widths round to the nearest pixel
// (halves to even), heights are cut down. Sizes never fall below 0.
TClientSizeMetrics ClientSizeMetrics(std::int32_t Width, std::int32_t Height, std::int32_t LineWidth,
                                     std::int32_t ColCount, std::int32_t RowCount);

}  // namespace mirvane
