#pragma once

#include <functional>
#include <ostream>
#include <vector>

namespace CLI {
class App;
}

namespace mirvane {

// One command of mirvane-cli: its subcommand, with its options bound, and
// what to run when it was chosen. Run throws ECliFailure (exit 1),
// ECliUsageError (exit 2) or EConvertError (exit 1).
struct TCommand {
    CLI::App* Subcommand = nullptr;
    std::function<void(std::ostream& Out)> Run;
};

TCommand AddDaysCommand(CLI::App& App);
TCommand AddEventsCommand(CLI::App& App);
TCommand AddMonthCommand(CLI::App& App);
TCommand AddYearCommand(CLI::App& App);
TCommand AddFestivalCommand(CLI::App& App);
TCommand AddFestivalsCommand(CLI::App& App);
TCommand AddAnniversaryCommand(CLI::App& App);
TCommand AddConvertCommand(CLI::App& App);
TCommand AddRememberCommand(CLI::App& App);
TCommand AddTimesCommand(CLI::App& App);
TCommand AddPlacesCommand(CLI::App& App);

// Registers a command that only some builds carry.
using TCommandMaker = std::function<TCommand(CLI::App&)>;

// The whole program: parses the arguments, runs the chosen command and
// returns the exit code: 0 done, 1 a request the calendar cannot answer,
// 2 a usage error. Throws nothing.
// More are the commands beyond the built-in ones.
int RunCommandLine(int ArgumentCount, const char* const* Arguments, std::ostream& Out, std::ostream& Err,
                   const std::vector<TCommandMaker>& More = {});

// The same with only the commands Makers register, in their order.
int RunCommands(int ArgumentCount, const char* const* Arguments, std::ostream& Out, std::ostream& Err,
                const std::vector<TCommandMaker>& Makers);

}  // namespace mirvane
