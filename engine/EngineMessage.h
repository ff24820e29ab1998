#pragma once

#include <functional>
#include <string_view>

namespace mirvane {

// The engine's own "System Error in ..." messages. The engine reports them and
// goes on with the values at hand; who shows them is the program's choice: the
// desktop program points the hook at a modal box, tests capture it.
using EngineMessageHook = std::function<void(std::string_view)>;

inline constexpr const char* DaysInMonthsErrorText = "System Error in Calculating days in months";
inline constexpr const char* ConvertingDateErrorText = "System Error in Converting Date";

// Installs Hook and returns the one it replaces. An empty hook restores the
// default, which writes the message to standard error.
EngineMessageHook SetEngineMessageHook(EngineMessageHook Hook);

void ShowEngineMessage(std::string_view Text);

}  // namespace mirvane
