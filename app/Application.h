#pragma once

#include <functional>

class QWidget;

namespace mirvane {

// What the program sets on its application object before any window is
// made: its names, its style, its icon and where engine messages go.
void DressApplication();

// Runs the desktop program: the application object, the main window and the
// event loop until the window is closed; returns the exit code. AfterShow,
// when given, runs once the window has been shown (the start-up benchmark
// watches for the first paint through it).
int RunApplication(int& Argc, char** Argv, const std::function<void(QWidget& MainWindow)>& AfterShow = {});

}  // namespace mirvane
