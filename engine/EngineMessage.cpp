#include "engine/EngineMessage.h"

#include <iostream>
#include <utility>

namespace mirvane {
namespace {

void WriteToStandardError(std::string_view Text)
{
    std::cerr << Text << '\n';
}

EngineMessageHook& CurrentHook()
{
    static EngineMessageHook Hook = WriteToStandardError;
    return Hook;
}

}  // namespace

EngineMessageHook SetEngineMessageHook(EngineMessageHook Hook)
{
    if (!Hook)
        Hook = WriteToStandardError;
    return std::exchange(CurrentHook(), std::move(Hook));
}

void ShowEngineMessage(std::string_view Text)
{
    CurrentHook()(Text);
}

}  // namespace mirvane
