#pragma once

namespace mirvane {

// Points the engine's message hook at a plain message box, so that what the
// engine reports reaches the user of the desktop program and not a terminal
// nobody reads.
void ShowEngineMessagesInBoxes();

}  // namespace mirvane
