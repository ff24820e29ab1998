#include <map>
#include <memory>
#include <string>

#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/OptionChecks.h"
#include "cli/DateListOutput.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"
#include "pages/AnniversaryPage.h"

namespace mirvane {
namespace {

const std::map<std::string, TDateOrder>& DateOrderNames()
{
    static const std::map<std::string, TDateOrder> Names{
        {"dmy", DayMonthYear}, {"mdy", MonthDayYear}, {"ymd", YearMonthDay}};
    return Names;
}

}  // namespace

TCommand AddAnniversaryCommand(CLI::App& App)
{
    struct TOptions {
        std::string Text;
        std::int32_t Year = 0;
        int Years = 0;
        TDateOrder Order = DayMonthYear;
        bool AfterSunset = false;
        bool Night = false;
        bool Adar1 = false;
        std::string Name = "Anniversary";
        bool Hebrew = false;
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "anniversary", "The Jewish date of a birth or death and its anniversary in a Gregorian year, or in a run "
                       "of years");
    Command->add_option("TEXT", Options->Text, "The Gregorian date of the event, as typed on the page (\"1/12/70\", "
                                               "\"1 Dec 70\")")
        ->required();
    Command->add_option("GYEAR", Options->Year, "The Gregorian year asked about")->required();
    AddYearsOption(*Command, Options->Years);
    Command->add_option("--order", Options->Order, "How TEXT is read: dmy (default), mdy or ymd")
        ->transform(NamedChoice(DateOrderNames()))
        ->option_text("dmy|mdy|ymd");
    Command->add_flag("--after-sunset", Options->AfterSunset, "The event was between sunset and midnight");
    Command->add_flag("--night", Options->Night, "Give the evening that begins each anniversary");
    Command->add_flag("--adar1", Options->Adar1,
                      "A plain Adar falls in Adar I of a leap year (default: Adar II)");
    Command->add_option("--name", Options->Name, "The event's name in calendar files (default: Anniversary)");
    AddHebrewFlag(*Command, Options->Hebrew);
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                TAnniversaryInput Input;
                Input.DateText = Options->Text;
                Input.AfterSunset = Options->AfterSunset;
                Input.TargetYearText = std::to_string(Options->Year);
                Input.Night = Options->Night;
                Input.YearsText = Options->Years > 0 ? std::to_string(Options->Years) : "";
                Input.Order = Options->Order;
                Input.PlainAdarIsAdar2 = !Options->Adar1;
                Input.Today = Today();
                const TAnniversaryPage Page = ComputeAnniversaryPage(Input);
                if (Page.JewishDate.empty())
                    throw ECliUsageError("\"" + Options->Text + "\" is not a date in the order " +
                                         (Options->Order == MonthDayYear   ? "mdy"
                                          : Options->Order == YearMonthDay ? "ymd"
                                                                           : "dmy"));
                if (!Page.Answer)
                    throw ECliFailure("the anniversary of " + Page.JewishDate + " in " +
                                      std::to_string(Options->Year) + " is outside the calendar, which gives dates "
                                      "to the Jewish years " + std::to_string(FirstYearWithNewYearDate) + " to " +
                                      std::to_string(LastYearWithNewYearDate));
                // json keeps the English date and adds the Hebrew one; the
                // other forms write only the Hebrew one.
                const std::string Hebrew = Options->Hebrew ? JewishDateTextIn(*Page.Event, true) : std::string();
                const bool InHebrew = Options->Hebrew && Options->Format != TOutputFormat::Json;
                TDateList List = AnniversaryDateList(Options->Name, Page, Options->Night, InHebrew);
                if (InHebrew)
                    List.TextHeading = {Hebrew};
                WriteCommandOutput(Out,
                                   DateListOutput(List, Options->Hebrew ? std::pair<std::string, std::string>{
                                                                              "jewishDateHebrew", Hebrew}
                                                                        : std::pair<std::string, std::string>{}),
                                   Options->Format);
            }};
}

}  // namespace mirvane
