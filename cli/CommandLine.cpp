#include "cli/CommandLine.h"

#include <exception>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliFailure.h"
#include "cli/UsageMessage.h"
#include "export/ExportFailure.h"
#include "engine/ConvertError.h"
#include "remember/RememberStore.h"

namespace mirvane {
namespace {

constexpr int Failed = 1;
constexpr int UsageFailed = 2;

// One line saying what is wrong, one saying where the usage is: the whole
// help would bury the line that matters.
void ReportUsageError(const CLI::App& App, const std::string& Message, std::ostream& Err)
{
    Err << "mirvane-cli: " << Message << '\n' << UsageHint(App) << '\n';
}

int RunChosen(const CLI::App& App, const std::vector<TCommand>& Commands, std::ostream& Out, std::ostream& Err)
{
    for (const TCommand& Command : Commands) {
        if (!Command.Subcommand->parsed())
            continue;
        try {
            Command.Run(Out);
        } catch (const ECliUsageError& Error) {
            ReportUsageError(App, Error.what(), Err);
            return UsageFailed;
        } catch (const ECliFailure& Error) {
            Err << "mirvane-cli: " << Error.what() << '\n';
            return Failed;
        } catch (const ERememberStoreError& Error) {
            Err << "mirvane-cli: " << Error.what() << '\n';
            return Failed;
        } catch (const EConvertError& Error) {
            Err << "mirvane-cli: " << Error.what() << '\n';
            return Failed;
        } catch (const EExportFailure& Error) {
            Err << "mirvane-cli: " << Error.what() << '\n';
            return Failed;
        }
        Out.flush();
        if (!Out) {
            Err << "mirvane-cli: the output could not be written\n";
            return Failed;
        }
        return 0;
    }
    ReportUsageError(App, "no command given", Err);
    return UsageFailed;
}

}  // namespace

int RunCommands(int ArgumentCount, const char* const* Arguments, std::ostream& Out, std::ostream& Err,
                const std::vector<TCommandMaker>& Makers)
{
    try {
        CLI::App App{"The Hebrew calendar beside the Gregorian one: days, month pages, years, festivals, "
                     "birthdays and yahrtzeits, and the times of the day at a place.",
                     "mirvane-cli"};
        App.set_version_flag("--version", "mirvane-cli " MIRVANE_VERSION);
        App.require_subcommand(1);
        std::vector<TCommand> Commands;
        for (const TCommandMaker& Make : Makers)
            Commands.push_back(Make(App));
        try {
            App.parse(ArgumentCount, Arguments);
        } catch (const CLI::Success& Request) {
            return App.exit(Request, Out, Err);
        } catch (const CLI::ParseError& Error) {
            ReportUsageError(App, UsageMessage(App, Error), Err);
            return UsageFailed;
        }
        return RunChosen(App, Commands, Out, Err);
    } catch (const std::exception& Error) {
        Err << "mirvane-cli: " << Error.what() << '\n';
    } catch (...) {
        Err << "mirvane-cli: unexpected failure\n";
    }
    return Failed;
}

}  // namespace mirvane
