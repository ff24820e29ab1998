#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace mirvane {

// The keys that move a grid's selection.
enum class TGridKey {
    Left,      // to the column before, whichever way the columns run
    Right,     // to the column after
    Up,
    Down,
    PageUp,    // up by as many rows as are in view
    PageDown,  // down by as many rows as are in view
    Home,      // to the top of the column
    End,       // to the bottom of the column
};

struct TGridCell {
    std::int32_t Col = 0;
    std::int32_t Row = 0;
    bool operator==(const TGridCell&) const = default;
};

// The cells a selection may stand on lie after the FixedCols and below the
// FixedRows; PageRows is how many rows the paging keys move at most. Counts
// beyond MaxGridExtent count as MaxGridExtent.
inline constexpr std::int32_t MaxGridExtent = 100000;

struct TGridArea {
    std::int32_t ColCount = 0;
    std::int32_t RowCount = 0;
    std::int32_t FixedCols = 0;
    std::int32_t FixedRows = 0;
    std::int32_t PageRows = 1;
};

using TCellFilter = std::function<bool(std::int32_t Col, std::int32_t Row)>;

// Where Key moves the selection from From, with CanSelect as the veto. An
// arrow moves one cell and is refused when the grid ends there or CanSelect
// refuses that cell. The paging keys, Home and End go as far as they reach
// and stop at the farthest cell on the way that CanSelect accepts. Nothing
// when the selection cannot move.
std::optional<TGridCell> KeyTarget(TGridKey Key, TGridCell From, const TGridArea& Area,
                                   const TCellFilter& CanSelect);

}  // namespace mirvane
