#include <charconv>
#include <memory>
#include <string>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "engine/DateConversion.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

// Lines are gathered and written in blocks of about this size, so that any
// range runs in constant memory.
constexpr std::size_t BlockSize = 1 << 16;

void AppendNumber(std::string& Line, std::int32_t Value)
{
    char Digits[16];
    const auto End = std::to_chars(Digits, Digits + sizeof Digits, Value).ptr;
    Line.append(Digits, End);
}

// One line per day: the Gregorian date, the Jewish date as three numbers
// and the day's text; with Hebrew that text in Hebrew and a sixth field, the
// Jewish date in Hebrew. The Jewish date steps on by itself, so the year
// calculator is set only once a year.
void WriteDays(std::ostream& Out, TDateTime From, TDateTime To, bool Hebrew)
{
    TJewishDate Jewish = DateTimeToJewish(From);
    TJewishYear Year;
    Year.SetYear(Jewish.Year);
    std::string Block;
    Block.reserve(BlockSize + 256);
    for (TDateTime Day = From; Day <= To; Day += 1) {
        Block += IsoDateText(Day);
        Block += '\t';
        AppendNumber(Block, Jewish.Year);
        Block += '\t';
        AppendNumber(Block, Jewish.Month);
        Block += '\t';
        AppendNumber(Block, Jewish.Day);
        Block += '\t';
        if (Hebrew) {
            Block += HebrewDayText(Year, Jewish.Month, Jewish.Day);
            Block += '\t';
            Block += HebrewJewishDateText(Jewish.Year, Jewish.Month, Jewish.Day);
        } else {
            Block += Year.DayText(Jewish.Month, Jewish.Day);
        }
        Block += '\n';
        if (Block.size() >= BlockSize) {
            Out << Block;
            Block.clear();
        }
        if (Day == To)
            break;
        if (++Jewish.Day > Year.DaysInMonth(Jewish.Month)) {
            Jewish.Day = 1;
            Jewish.Month = Year.NextMonth(Jewish.Month);
            Jewish.Year = Year.Year;
        }
    }
    Out << Block;
}

}  // namespace

TCommand AddDaysCommand(CLI::App& App)
{
    struct TOptions {
        std::string From;
        std::string To;
        bool Israel = false;
        bool Hebrew = false;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "days", "One line per day from FROM to TO: ISO date, Jewish year, month, day and the day's text, tab-separated");
    Command->add_option("FROM", Options->From, "First day, YYYY-MM-DD or today")->required()->check(CliDateCheck());
    Command->add_option("TO", Options->To, "Last day, YYYY-MM-DD or today")->required()->check(CliDateCheck());
    AddIsraelFlag(*Command, Options->Israel);
    AddHebrewFlag(*Command, Options->Hebrew);
    return {Command, [Options](std::ostream& Out) {
                const TDateTime From = ReadCliDate(Options->From).value_or(0);
                const TDateTime To = ReadCliDate(Options->To).value_or(0);
                if (From > To)
                    throw ECliUsageError("FROM " + IsoDateText(From) + " is after TO " + IsoDateText(To));
                RequireJewishDate(From);
                ApplyRules(Options->Israel);
                WriteDays(Out, From, To, Options->Hebrew);
            }};
}

}  // namespace mirvane
