#pragma once

// Keeps the controls of a page laid out in pixels where they were designed,
// as the page grows and when it turns right to left.

#include <QSize>
#include <utility>
#include <vector>

class QWidget;

namespace mirvane {

// Which way a control takes the room a page has beyond its designed size.
enum class TGrowth { Width, Height, Both };

using TGrowingControls = std::vector<std::pair<QWidget*, TGrowth>>;

// From now on, for as long as Page lives, its controls stand where the
// program places them, in the pixels of a page of DesignedSize, which is
// also the page's minimum size. The Growing controls take the room beyond
// the designed size; a control right of a control that grows in width moves
// right with its edge, one below a control that grows in height moves down;
// the others keep their places. Under a right-to-left layout direction
// every control stands mirrored within the page.
//
// Any geometry the program gives a control, before or after this call and
// also to controls made later, is taken as designed. The controls of a group
// box or of a plain container without a layout are mirrored within it.
void KeepDesignedPlaces(QWidget& Page, QSize DesignedSize, TGrowingControls Growing = {});

}  // namespace mirvane
