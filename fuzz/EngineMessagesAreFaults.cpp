// Every target starts here: the engine's "System Error" messages mean its
// arithmetic went wrong, and no input may bring one about.

#include <string>
#include <string_view>

#include "engine/EngineMessage.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    mirvane::SetEngineMessageHook(
        [](std::string_view Text) { mirvane::fuzz::Fail("engine message: " + std::string(Text)); });
    return 0;
}
