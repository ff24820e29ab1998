#include "cli/CommandLine.h"

namespace mirvane {

int RunCommandLine(int ArgumentCount, const char* const* Arguments, std::ostream& Out, std::ostream& Err,
                   const std::vector<TCommandMaker>& More)
{
    std::vector<TCommandMaker> Makers{AddDaysCommand,        AddMonthCommand,   AddYearCommand,
                                      AddFestivalCommand,    AddFestivalsCommand, AddAnniversaryCommand,
                                      AddConvertCommand,     AddRememberCommand, AddTimesCommand,
                                      AddPlacesCommand,      AddEventsCommand};
    Makers.insert(Makers.end(), More.begin(), More.end());
    return RunCommands(ArgumentCount, Arguments, Out, Err, Makers);
}

}  // namespace mirvane
