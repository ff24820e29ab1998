#pragma once

// The room a page control leaves its pages, known before it is first shown.

#include <QSize>

class QTabWidget;

namespace mirvane {

// The size of the pages of PageControl, its tabs on top, when the control
// itself is Size: what the control's own layout will give them once shown.
// (Its minimum size hint overstates its frame by the tabs' overlap.)
QSize TabPageSize(const QTabWidget& PageControl, QSize Size);

}  // namespace mirvane
