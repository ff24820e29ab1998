#pragma once

#include <functional>

#include <QString>

namespace mirvane {

// The title of every box the program shows.
inline constexpr const char* ApplicationTitle = "Mirvane";

enum class TBoxKind {
    Error,    // the generic error report of a failed handler
    Message,  // a plain message with one OK button: the engine's and the note
    Question, // a question with Yes and No
};

// Every modal box of the main window goes through one replaceable function,
// so tests can capture what would be shown instead of blocking on a dialog.
using TMessageBoxFunction = std::function<void(TBoxKind Kind, const QString& Text)>;

// Installs Function and returns the one it replaces; an empty function
// restores the default, which shows a modal box over the active window.
TMessageBoxFunction SetMessageBoxFunction(TMessageBoxFunction Function);

void ShowMessageBox(TBoxKind Kind, const QString& Text);

// A question with Yes and No; true for Yes. While a test's function is
// installed, the question goes to it as a Question box and is answered with
// the answer SetQuestionAnswer gave last (No at first), so it never waits.
bool AskYesNo(const QString& Text);
void SetQuestionAnswer(bool Yes);

}  // namespace mirvane
