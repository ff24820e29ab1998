#pragma once

namespace mirvane {

// Points the engine's message hook at a plain message box, so that what the
// engine reports reaches the user of the desktop program and not a terminal
// nobody reads; these messages and the error report speak the window's
// language.
void ShowEngineMessagesInBoxes();

}  // namespace mirvane
