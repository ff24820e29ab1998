#pragma once

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

#include "engine/ConvertError.h"

namespace mirvane::fuzz {

// A property that does not hold: the process aborts, so libFuzzer keeps the
// input that showed it.
[[noreturn]] inline void Fail(std::string_view What)
{
    std::fprintf(stderr, "mirvane fuzz: property failed: %.*s\n", static_cast<int>(What.size()), What.data());
    std::abort();
}

inline void Require(bool Holds, std::string_view What)
{
    if (!Holds)
        Fail(What);
}

// Runs Body, which may refuse its input only with EConvertError carrying one
// of the Allowed texts. True when it succeeded, false when it refused; any
// other failure is a fault.
template <typename TBody>
bool SucceedsOrRefuses(TBody&& Body, std::initializer_list<std::string_view> Allowed, std::string_view What)
{
    try {
        Body();
        return true;
    } catch (const EConvertError& Error) {
        for (const std::string_view Text : Allowed) {
            if (Text == Error.what())
                return false;
        }
        Fail(std::string(What) + ": undocumented error text \"" + Error.what() + '"');
    }
}

}  // namespace mirvane::fuzz
