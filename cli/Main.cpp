#include <iostream>

#include "cli/CommandLine.h"

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return mirvane::RunCommandLine(argc, argv, std::cout, std::cerr);
}
