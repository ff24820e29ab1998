#include <iostream>

#include "cli/CommandLine.h"
#ifdef MIRVANE_SYNC_COMMAND
#include "cli/SyncCommand.h"
#endif

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
#ifdef MIRVANE_SYNC_COMMAND
    return mirvane::RunCommandLine(argc, argv, std::cout, std::cerr, {mirvane::AddSyncCommand});
#else
    return mirvane::RunCommandLine(argc, argv, std::cout, std::cerr);
#endif
}
