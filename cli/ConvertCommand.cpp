#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "engine/HebrewDateText.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "pages/HebrewDateEntry.h"
#include "engine/GregorianDateText.h"
#include "text/DecimalText.h"

namespace mirvane {
namespace {

std::int32_t NumberArgument(const std::string& Text, const char* What)
{
    const auto Value = ReadDecimal(Text);
    if (!Value)
        throw ECliUsageError(std::string{What} + " is not a number: " + Text);
    return *Value;
}

std::string GregorianText(TDateTime Date)
{
    return IsoDateText(Date) + ' ' + GregorianDateText(Date);
}

// A Gregorian date gives its Jewish date; a Jewish date written in Hebrew
// ("ג׳ כסלו תשל״א") its Gregorian one.
std::string ConvertOne(const std::string& Text, bool Hebrew)
{
    const auto Date = ReadCliDate(Text);
    if (!Date) {
        if (const auto Jewish = ReadHebrewJewishDate(Text))
            return GregorianText(JewishToDateTime(Jewish->Year, Jewish->Month, Jewish->Day));
        // Letters beyond ASCII: meant as a Hebrew date.
        if (std::any_of(Text.begin(), Text.end(), [](char Byte) { return (Byte & 0x80) != 0; }))
            throw ECliUsageError("not a Jewish date of the calendar in Hebrew (day, month, year, such as \"ג׳ "
                                 "כסלו תשל״א\"): " + Text);
        throw ECliUsageError(CliDateProblem(Text));
    }
    RequireJewishDate(*Date);
    return JewishDateTextIn(DateTimeToJewish(*Date), Hebrew);
}

std::string GregorianOfJewish(const std::string& YearText, const std::string& MonthText, const std::string& DayText)
{
    const std::int32_t Year = NumberArgument(YearText, "JYEAR");
    const std::int32_t Month = NumberArgument(MonthText, "JMONTH");
    const std::int32_t Day = NumberArgument(DayText, "JDAY");
    RequireDatedJewishYear(Year, "dates");
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    const std::int32_t LastMonth = Calculator.IsLeap ? Adar2 : Adar;
    if (Month < 1 || Month > LastMonth)
        throw ECliFailure("the Jewish year " + std::to_string(Year) + " has the months 1 (Nissan) to " +
                          std::to_string(LastMonth) + ", not " + std::to_string(Month));
    const std::int32_t Days = Calculator.DaysInMonth(Month);
    if (Day < 1 || Day > Days)
        throw ECliFailure(std::string{Calculator.GetMonthNames()[static_cast<std::size_t>(Month)]} + " " +
                          std::to_string(Year) + " has the days 1 to " + std::to_string(Days) + ", not " +
                          std::to_string(Day));
    return GregorianText(JewishToDateTime(Year, Month, Day));
}

}  // namespace

TCommand AddConvertCommand(CLI::App& App)
{
    const auto Arguments = std::make_shared<std::vector<std::string>>();
    const auto Hebrew = std::make_shared<bool>(false);
    CLI::App* Command = App.add_subcommand(
        "convert", "The Jewish date of a Gregorian DATE, or the Gregorian date of JYEAR JMONTH JDAY (months 1 = "
                   "Nissan ... 12 = Adar or Adar I, 13 = Adar II) or of a Jewish date in Hebrew (\"ג׳ כסלו "
                   "תשל״א\")");
    Command->add_option("DATE|JYEAR JMONTH JDAY", *Arguments,
                        "YYYY-MM-DD or today, or a Jewish date in Hebrew; or a Jewish year, month and day")
        ->required()
        ->expected(1, 3);
    AddHebrewFlag(*Command, *Hebrew);
    return {Command, [Arguments, Hebrew](std::ostream& Out) {
                if (Arguments->size() == 1)
                    Out << ConvertOne(Arguments->front(), *Hebrew) << '\n';
                else if (Arguments->size() == 3)
                    Out << GregorianOfJewish((*Arguments)[0], (*Arguments)[1], (*Arguments)[2]) << '\n';
                else
                    throw ECliUsageError("convert takes a date, or a Jewish year, month and day");
            }};
}

}  // namespace mirvane
