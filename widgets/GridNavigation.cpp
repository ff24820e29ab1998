#include "widgets/GridNavigation.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace mirvane {
namespace {

struct TMove {
    std::int32_t ColStep = 0;
    std::int32_t RowStep = 0;
    std::int64_t MaxSteps = 1;
};

TMove MoveOf(TGridKey Key, const TGridArea& Area)
{
    const std::int64_t PageRows = std::max<std::int32_t>(Area.PageRows, 1);
    switch (Key) {
    case TGridKey::Left:
        return {-1, 0, 1};
    case TGridKey::Right:
        return {1, 0, 1};
    case TGridKey::Up:
        return {0, -1, 1};
    case TGridKey::Down:
        return {0, 1, 1};
    case TGridKey::PageUp:
        return {0, -1, PageRows};
    case TGridKey::PageDown:
        return {0, 1, PageRows};
    case TGridKey::Home:
        return {0, -1, MaxGridExtent};
    case TGridKey::End:
        return {0, 1, MaxGridExtent};
    }
    return {};
}

// How many steps of Move stay inside the selectable area, at most MaxSteps.
std::int64_t StepsInside(const TMove& Move, TGridCell From, const TGridArea& Area)
{
    const auto Room = [](std::int32_t Step, std::int64_t Position, std::int64_t First, std::int64_t Count) {
        if (Position < First || Position >= Count)
            return std::int64_t{-1};
        if (Step > 0)
            return Count - 1 - Position;
        if (Step < 0)
            return Position - First;
        return std::numeric_limits<std::int64_t>::max();
    };
    const std::int32_t ColCount = std::clamp(Area.ColCount, 0, MaxGridExtent);
    const std::int32_t RowCount = std::clamp(Area.RowCount, 0, MaxGridExtent);
    const std::int64_t ColRoom = Room(Move.ColStep, From.Col, std::clamp(Area.FixedCols, 0, ColCount), ColCount);
    const std::int64_t RowRoom = Room(Move.RowStep, From.Row, std::clamp(Area.FixedRows, 0, RowCount), RowCount);
    return std::min({Move.MaxSteps, ColRoom, RowRoom});
}

}  // namespace

std::optional<TGridCell> KeyTarget(TGridKey Key, TGridCell From, const TGridArea& Area,
                                   const TCellFilter& CanSelect)
{
    const TMove Move = MoveOf(Key, Area);
    // The farthest cell within reach, then nearer ones.
    std::int64_t Steps = StepsInside(Move, From, Area);
    const bool Scan = Move.MaxSteps > 1;
    for (; Steps > 0; --Steps) {
        const auto Col = static_cast<std::int32_t>(From.Col + Move.ColStep * Steps);
        const auto Row = static_cast<std::int32_t>(From.Row + Move.RowStep * Steps);
        if (CanSelect(Col, Row))
            return TGridCell{Col, Row};
        if (!Scan)
            break;
    }
    return std::nullopt;
}

}  // namespace mirvane
