#pragma once

#include <string>
#include <vector>

namespace mirvane {

struct TCliRun {
    int ExitCode = -1;
    std::string Out;
    std::string Err;
};

// Runs the built mirvane-cli with Arguments and collects what it wrote.
TCliRun RunCli(const std::vector<std::string>& Arguments);

// Out split at line ends (LF), without them.
std::vector<std::string> Lines(const std::string& Out);

}  // namespace mirvane
