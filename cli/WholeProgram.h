#pragma once

#include <ostream>

namespace mirvane {

// Replaces this process with the program that carries every command
// (mirvane-cli-all, beside this one in a build, in the library folder once
// installed), with the same arguments. Returns only when it cannot be run,
// having said why on Err: the exit code then.
int RunWholeProgram(char** Arguments, std::ostream& Err);

}  // namespace mirvane
