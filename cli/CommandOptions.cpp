#include "cli/CommandOptions.h"

#include "cli/CliDate.h"
#include "cli/OptionChecks.h"
#include "pages/YearList.h"

namespace mirvane {

CLI::Validator CliDateCheck()
{
    return CLI::Validator(CliDateProblem, "YYYY-MM-DD|today");
}

void AddIsraelFlag(CLI::App& Command, bool& Israel)
{
    Command.add_flag("--israel", Israel, "Israel's festival and portion rules instead of the Diaspora's");
}

void AddFormatOption(CLI::App& Command, TOutputFormat& Format)
{
    Command.add_option("--format", Format, "Output format: text (default), tsv, csv, json or ics")
        ->transform(NamedChoice(OutputFormatNames()))
        ->option_text("text|tsv|csv|json|ics");
}

void AddYearsOption(CLI::App& Command, int& Years)
{
    Command.add_option("--years", Years, "List that many years, 1 to 200")
        ->check(WholeNumberFromTo(1, MaxListedYears));
}

void AddHebrewFlag(CLI::App& Command, bool& Hebrew)
{
    Command.add_flag("--hebrew", Hebrew,
                     "Jewish dates and names in Hebrew letters; json keeps its keys and adds ...Hebrew twins");
}

TRules RulesAsked(bool Israel)
{
    return Israel ? TRules::Israel : TRules::Diaspora;
}

}  // namespace mirvane
