#pragma once

#include <exception>
#include <functional>
#include <string_view>
#include <utility>

#include <QString>

namespace mirvane {

// The text of the error report: the message with a full stop appended when
// its last character sorts after the full stop.
QString ErrorReportText(const QString& Message);

// Puts a failure's English text in the window's language. These controls
// know no calendar texts: until the window sets Wording, the text is shown
// as it is.
using TErrorWording = std::function<QString(std::string_view English)>;
void SetErrorWording(TErrorWording Wording);

// Shows the generic error report for a failure that ended a handler.
void ShowErrorReport(const std::exception& Error);

// Runs a handler's body. A failure ends the body, is shown in the error
// report and goes no further: nothing may unwind through the toolkit's event
// dispatch, and the program goes on with the state the failing operation
// left untouched.
template <typename TBody>
void RunHandler(TBody&& Body) noexcept
{
    try {
        std::forward<TBody>(Body)();
    } catch (const std::exception& Error) {
        ShowErrorReport(Error);
    }
}

}  // namespace mirvane
