#pragma once

// The messages of the Qt-free libraries (the engine, the pages' rules, the
// dates to remember, the place list, the export, the sync to the user's
// calendar) in the window's language.

#include <string_view>

#include <QString>

namespace mirvane {

// English, a message a library wrote, as the window shows it: unchanged in
// the English window, translated under Hebrew with its varying parts (a
// number, a file, a month) carried over. A text the window does not know
// is shown as it is.
QString WindowMessage(std::string_view English);

}  // namespace mirvane
