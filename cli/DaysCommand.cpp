#include <charconv>
#include <memory>
#include <string>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "engine/DateConversion.h"
#include "engine/GregorianDateText.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"
#include "engine/Weekdays.h"
#include "engine/YearFestivalTable.h"

namespace mirvane {
namespace {

// Lines are gathered and written in blocks of about this size, so that any
// range runs in constant memory.
constexpr std::size_t DayLinesBlockSize = 1 << 16;

// Writes Value's digits at Out and returns the end of them.
char* WriteNumber(char* Out, std::int32_t Value)
{
    return std::to_chars(Out, Out + 11, Value).ptr;
}

// The same for 0 to 99, a month or a day.
char* WriteSmallNumber(char* Out, std::int32_t Value)
{
    if (Value >= 10)
        *Out++ = static_cast<char>('0' + Value / 10);
    *Out++ = static_cast<char>('0' + Value % 10);
    return Out;
}

// One line per day: the Gregorian date, the Jewish date as three numbers
// and the day's text; with Hebrew that text in Hebrew and a sixth field, the
// Jewish date in Hebrew. Both dates and the weekday step on by themselves, so
// no day is converted from scratch, and the year calculator and its festival
// table are set only once a year.
void WriteDays(std::ostream& Out, TDateTime From, TDateTime To, TRules Rules, bool Hebrew)
{
    TJewishDate Jewish = DateTimeToJewish(From);
    TJewishYear Year(Rules);
    Year.SetYear(Jewish.Year);
    TYearFestivalTable YearFestivals;
    YearFestivals.Fill(Year);
    std::int32_t Weekday = DayOfWeek(From);
    TGregorianDate Gregorian = DecodeDate(From);
    std::string Block;
    Block.reserve(DayLinesBlockSize + 256);
    for (TDateTime Day = From; Day <= To; Day += 1) {
        // The dates are put together in place and added at once.
        char Line[64];
        char* End = WriteIsoDateText(Line, Gregorian);
        *End++ = '\t';
        End = WriteNumber(End, Jewish.Year);
        *End++ = '\t';
        End = WriteSmallNumber(End, Jewish.Month);
        *End++ = '\t';
        End = WriteSmallNumber(End, Jewish.Day);
        *End++ = '\t';
        Block.append(Line, static_cast<std::size_t>(End - Line));
        if (Hebrew) {
            Block += HebrewDayText(Year, Jewish.Month, Jewish.Day);
            Block += '\t';
            Block += HebrewJewishDateText(Jewish.Year, Jewish.Month, Jewish.Day);
        } else {
            // The day's text: its festival, then on a Saturday the portions.
            // The portion text is empty on every other day, so only Saturdays
            // ask.
            Block += YearFestivals.NameOf(Jewish.Month, Jewish.Day);
            if (Weekday == Weekday::Saturday)
                Year.AppendPortionText(Block, Jewish.Month, Jewish.Day);
        }
        Block += '\n';
        if (Block.size() >= DayLinesBlockSize) {
            Out.write(Block.data(), static_cast<std::streamsize>(Block.size()));
            Block.clear();
        }
        if (Day == To)
            break;
        Weekday = Weekday % 7 + 1;
        Gregorian = NextDate(Gregorian);
        if (++Jewish.Day > Year.DaysInMonth(Jewish.Month)) {
            Jewish.Day = 1;
            Jewish.Month = Year.NextMonth(Jewish.Month);
            if (Year.Year != Jewish.Year) {
                Jewish.Year = Year.Year;
                YearFestivals.Fill(Year);
            }
        }
    }
    Out.write(Block.data(), static_cast<std::streamsize>(Block.size()));
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
                WriteDays(Out, From, To, RulesAsked(Options->Israel), Options->Hebrew);
            }};
}

}  // namespace mirvane
