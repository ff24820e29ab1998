#pragma once

class QTabWidget;

namespace mirvane {

// Ctrl+Tab and Ctrl+Shift+Tab turn to the next or previous page whose tab is
// shown and enabled, never to a page whose tab is hidden: such a page is
// opened only by the program.
void TurnOnlyToShownPages(QTabWidget& Pages);

}  // namespace mirvane
