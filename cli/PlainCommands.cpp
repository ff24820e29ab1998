#include "cli/PlainCommands.h"

#include <algorithm>
#include <array>

namespace mirvane {

std::span<const TPlainCommand> PlainCommands()
{
    static constexpr std::array<TPlainCommand, 10> Commands{{
        {"days", AddDaysCommand},
        {"month", AddMonthCommand},
        {"year", AddYearCommand},
        {"festival", AddFestivalCommand},
        {"festivals", AddFestivalsCommand},
        {"anniversary", AddAnniversaryCommand},
        {"convert", AddConvertCommand},
        {"times", AddTimesCommand},
        {"places", AddPlacesCommand},
        {"events", AddEventsCommand},
    }};
    return Commands;
}

bool ChoosesPlainCommand(int ArgumentCount, const char* const* Arguments)
{
    if (ArgumentCount < 2)
        return false;
    const std::string_view Name = Arguments[1];
    const auto Commands = PlainCommands();
    if (std::none_of(Commands.begin(), Commands.end(), [&](const TPlainCommand& Command) { return Command.Name == Name; }))
        return false;
    for (int Index = 2; Index < ArgumentCount; ++Index) {
        const std::string_view Argument = Arguments[Index];
        if (Argument == "--") 
            break;
        if (Argument == "-h" || Argument == "--help" || Argument.starts_with("--help=") || Argument == "--version")
            return false;
    }
    return true;
}

}  // namespace mirvane
