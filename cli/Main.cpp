#include <iostream>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/PlainCommands.h"
#include "cli/WholeProgram.h"

// The plain commands run here; any other command line is handed whole to
// the program that carries every command, so that starting a plain command
// loads neither Qt nor the calendar file reader.
int main(int argc, char** argv)
{
    if (!mirvane::ChoosesPlainCommand(argc, argv))
        return mirvane::RunWholeProgram(argv, std::cerr);
    std::ios::sync_with_stdio(false);
    std::vector<mirvane::TCommandMaker> Makers;
    for (const mirvane::TPlainCommand& Command : mirvane::PlainCommands())
        Makers.emplace_back(Command.Add);
    return mirvane::RunCommands(argc, argv, std::cout, std::cerr, Makers);
}
