#pragma once

#include <string>
#include <vector>

#include "engine/EngineMessage.h"

namespace mirvane {

// Collects the engine's messages for the lifetime of the object and restores
// the previous hook afterwards.
class MessageCapture {
public:
    MessageCapture()
        : Previous(SetEngineMessageHook([this](std::string_view Text) { Messages.emplace_back(Text); }))
    {
    }
    ~MessageCapture() { SetEngineMessageHook(std::move(Previous)); }
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    std::vector<std::string> Messages;

private:
    EngineMessageHook Previous;
};

}  // namespace mirvane
