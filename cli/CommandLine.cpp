#include "cli/CommandLine.h"

#include <exception>
#include <vector>

#include <CLI/CLI.hpp>

#include "cli/CliFailure.h"
#include "export/ExportFailure.h"
#include "engine/ConvertError.h"
#include "remember/RememberStore.h"

namespace mirvane {
namespace {

constexpr int Failed = 1;
constexpr int UsageFailed = 2;

void ReportUsageError(const CLI::App& App, const char* Message, std::ostream& Err)
{
    // The application's help is that of the command chosen, if any.
    Err << "mirvane-cli: " << Message << '\n' << App.help();
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

int RunCommandLine(int ArgumentCount, const char* const* Arguments, std::ostream& Out, std::ostream& Err)
{
    try {
        CLI::App App{"The Hebrew calendar beside the Gregorian one: days, month pages, years, festivals, "
                     "birthdays and yahrtzeits, and the times of the day at a place.",
                     "mirvane-cli"};
        App.set_version_flag("--version", "mirvane-cli " MIRVANE_VERSION);
        App.require_subcommand(1);
        const std::vector<TCommand> Commands{AddDaysCommand(App),     AddMonthCommand(App),
                                             AddYearCommand(App),     AddFestivalCommand(App),
                                             AddFestivalsCommand(App), AddAnniversaryCommand(App),
                                             AddConvertCommand(App),  AddRememberCommand(App),
                                             AddTimesCommand(App),    AddPlacesCommand(App),
                                             AddEventsCommand(App)};
        try {
            App.parse(ArgumentCount, Arguments);
        } catch (const CLI::Success& Request) {
            return App.exit(Request, Out, Err);
        } catch (const CLI::ParseError& Error) {
            ReportUsageError(App, Error.what(), Err);
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
