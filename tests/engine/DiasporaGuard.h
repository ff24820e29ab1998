#pragma once

#include "engine/JewishYear.h"

namespace mirvane {

// Sets the process-wide Diaspora flag for the guard's lifetime and restores
// the previous value afterwards, so no test leaks its setting into the next.
class DiasporaGuard {
public:
    explicit DiasporaGuard(bool Value) : Previous(Diaspora) { Diaspora = Value; }
    ~DiasporaGuard() { Diaspora = Previous; }
    DiasporaGuard(const DiasporaGuard&) = delete;
    DiasporaGuard& operator=(const DiasporaGuard&) = delete;

private:
    bool Previous;
};

}  // namespace mirvane
