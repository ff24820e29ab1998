#include <memory>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/CommandOutput.h"
#include "export/IcsCalendar.h"
#include "cli/JsonText.h"
#include "cli/TableOutput.h"
#include "engine/Anniversary.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "pages/YearDetailsPage.h"

namespace mirvane {
namespace {

struct TYearMonth {
    std::int32_t Month = 0;
    std::string Name;
    TMonthDetails Details;
};

// The months of the year in the order of the year, from Tishrei.
std::vector<TYearMonth> MonthsOfYear(std::int32_t Year)
{
    TJewishYear Calculator;
    Calculator.SetYear(Year);
    std::vector<TYearMonth> Months;
    const std::int32_t Count = Calculator.IsLeap ? 13 : 12;
    for (std::int32_t Position = 1; Position <= Count; ++Position) {
        const std::int32_t Month = Calculator.MonthAtPosition(Position);
        Months.push_back({Month, std::string{Calculator.GetMonthNames()[static_cast<std::size_t>(Month)]},
                          ComputeMonthDetails(Calculator, Month)});
    }
    return Months;
}

TJson MoladJson(const std::string& Days, const std::string& Hours, const std::string& Parts, const std::string& Text)
{
    return {{"days", Days}, {"hours", Hours}, {"parts", Parts}, {"text", Text}};
}

std::string YearJson(const TYearDetailsPage& Page, const std::string& TishreiMoladText,
                     const std::vector<TYearMonth>& Months)
{
    TJson MonthObjects = TJson::array();
    for (const TYearMonth& Month : Months) {
        const TMonthDetails& Details = Month.Details;
        MonthObjects.push_back(
            {{"month", Month.Month},
             {"name", Month.Name},
             {"days", Details.Days},
             {"molad", MoladJson(Details.MoladDays, Details.MoladHours, Details.MoladParts, Details.MoladText)}});
    }
    return JsonText({{"year", std::to_string(Page.Year)},
                     {"cycle", Page.CycleNumber},
                     {"yearInCycle", Page.YearInCycle},
                     {"leap", Page.IsLeap},
                     {"moladTishrei", MoladJson(Page.MoladDays, Page.MoladHours, Page.MoladParts, TishreiMoladText)},
                     {"firstDay", {{"weekday", Page.FirstDayWeekday}, {"date", Page.FirstDayDate}}},
                     {"seasonNissan", {{"time", Page.SeasonTime}, {"day", Page.SeasonDay}}},
                     {"cheshvan", Page.CheshvanDays},
                     {"kislev", Page.KislevDays},
                     {"months", std::move(MonthObjects)}});
}

// For people: the page's labels and outputs, a blank line, then the months.
void WriteYearText(std::ostream& Out, const TYearDetailsPage& Page, const std::vector<TYearMonth>& Months)
{
    const TTable Outputs{{},
                         {{"Jewish Year", std::to_string(Page.Year)},
                          {"CycleNumber", Page.CycleNumber},
                          {"Year In Cycle", Page.YearInCycle},
                          {"Leap Year", Page.IsLeap ? "yes" : "no"},
                          {"New MoonTishrei", Page.MoladDays + ' ' + Page.MoladHours + ' ' + Page.MoladParts},
                          {"First Day of Year", Page.FirstDayWeekday, Page.FirstDayDate},
                          {"Season Nissan", Page.SeasonTime, Page.SeasonDay},
                          {"Days In Cheshvan", Page.CheshvanDays},
                          {"Kislev", Page.KislevDays}}};
    WriteTable(Out, Outputs, TOutputFormat::Text);
    TTable MonthTable{{}, {{"Month", "Days", "Molad", ""}}};
    for (const TYearMonth& Month : Months) {
        const TMonthDetails& Details = Month.Details;
        MonthTable.Rows.push_back({Month.Name, Details.Days,
                                   Details.MoladDays + ' ' + Details.MoladHours + ' ' + Details.MoladParts,
                                   Details.MoladText});
    }
    Out << '\n';
    WriteTable(Out, MonthTable, TOutputFormat::Text);
}

// For machines: one row per month, each with every output of the year.
TTable YearTable(const TYearDetailsPage& Page, const std::vector<TYearMonth>& Months)
{
    TTable Table{{"year", "cycle", "yearInCycle", "leap", "moladTishreiDays", "moladTishreiHours",
                  "moladTishreiParts", "firstDayWeekday", "firstDayDate", "seasonNissanTime", "seasonNissanDay",
                  "cheshvan", "kislev", "month", "name", "days", "moladDays", "moladHours", "moladParts",
                  "moladText"},
                 {}};
    for (const TYearMonth& Month : Months) {
        const TMonthDetails& Details = Month.Details;
        Table.Rows.push_back({std::to_string(Page.Year), Page.CycleNumber, Page.YearInCycle,
                              Page.IsLeap ? "true" : "false", Page.MoladDays, Page.MoladHours, Page.MoladParts,
                              Page.FirstDayWeekday, Page.FirstDayDate, Page.SeasonTime, Page.SeasonDay,
                              Page.CheshvanDays, Page.KislevDays, std::to_string(Month.Month), Month.Name,
                              Details.Days, Details.MoladDays, Details.MoladHours, Details.MoladParts,
                              Details.MoladText});
    }
    return Table;
}

// The first day of each month, with the month's molad.
std::vector<TIcsEvent> MonthStartEvents(std::int32_t Year, const std::vector<TYearMonth>& Months)
{
    RequireDatedJewishYear(Year, "month dates");
    std::vector<TIcsEvent> Events;
    for (const TYearMonth& Month : Months) {
        const TDateTime Date = JewishToDateTime(Year, Month.Month, 1);
        const std::string Name = "Month of " + Month.Name;
        Events.push_back({Date, Name + " (" + JewishDateText(Year, Month.Month, 1) + "), molad " +
                                    Month.Details.MoladText,
                          IcsUid(Date, "month", Name)});
    }
    return Events;
}

}  // namespace

TCommand AddYearCommand(CLI::App& App)
{
    struct TOptions {
        std::int32_t Year = 0;
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "year", "The Year Details page of a Jewish year, then each month with its length and molad");
    Command->add_option("JYEAR", Options->Year, "The Jewish year, 1 to 13775")->required();
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                const std::int32_t Year = Options->Year;
                if (Year < 1 || Year > LastYearWithNewYearDate)
                    throw ECliFailure("the calendar has no Jewish year " + std::to_string(Year) +
                                      ": it reaches from 1 to " + std::to_string(LastYearWithNewYearDate));
                const TYearDetailsPage Page = ComputeYearDetails({std::to_string(Year), -1, 0});
                const std::vector<TYearMonth> Months = MonthsOfYear(Year);
                WriteCommandOutput(
                    Out,
                    {[&](std::ostream& Text) { WriteYearText(Text, Page, Months); },
                     [&] { return YearTable(Page, Months); },
                     [&] { return YearJson(Page, Months.front().Details.MoladText, Months); },
                     [&] { return MonthStartEvents(Year, Months); }},
                    Options->Format);
            }};
}

}  // namespace mirvane
