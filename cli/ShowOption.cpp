#include "cli/ShowOption.h"

#include "cli/CliFailure.h"
#include "luach/LearningEntries.h"

namespace mirvane {

void AddShowOption(CLI::App& Command, std::string& List, const char* Default)
{
    Command.add_option("--show", List,
                       std::string("Comma-separated keys: festivals, rosh-chodesh, omer, special-shabbat, mevarchim, "
                                   "modern, minor, learning (every cycle) or one cycle's key, or all; default ") +
                           Default);
}

TLuachShow ShowAsked(const std::string& List)
{
    std::string Unknown;
    if (const auto Show = ParseLuachShow(List, &Unknown))
        return *Show;
    std::string Known = "festivals, rosh-chodesh, omer, special-shabbat, mevarchim, modern, minor, learning";
    for (std::string_view Key : LearningCycleKeys())
        Known += ", " + std::string(Key);
    throw ECliUsageError("--show: \"" + Unknown + "\" is no category or learning cycle; the keys are: " + Known +
                         ", all");
}

}  // namespace mirvane
