#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/DateListOutput.h"
#include "export/FestivalEvents.h"
#include "cli/JsonText.h"
#include "cli/TableOutput.h"
#include "engine/DateConversion.h"
#include "engine/Festivals.h"
#include "engine/HebrewDateText.h"
#include "engine/HebrewNames.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"
#include "pages/FestivalPage.h"
#include "engine/GregorianDateText.h"

namespace mirvane {
namespace {

// The Gregorian years whose festivals all fall in Jewish years with dates.
constexpr std::int32_t FirstWholeFestivalYear = FirstYearWithNewYearDate - 3760;
constexpr std::int32_t LastWholeFestivalYear = LastYearWithNewYearDate - 3761;

// The English name of a festival named in English or in Hebrew; a failure
// listing the names in force when Name is neither.
std::string RequireFestivalName(const std::string& Name, TRules Rules)
{
    std::vector<std::string> Names;
    FillFestivalNames(Names, Rules);
    const std::string English{EnglishFestivalName(Name)};
    if (std::find(Names.begin(), Names.end(), English) != Names.end())
        return English;
    std::string Message = "no festival is named \"" + Name + "\" under the " +
                          (Rules == TRules::Diaspora ? "Diaspora" : "Israel") + " rules; the names are:";
    for (const std::string& Known : Names)
        Message += "\n  " + Known;
    throw ECliFailure(Message);
}

TDateList FestivalDates(const std::string& Name, std::int32_t Year, int Years, TRules Rules, bool Hebrew)
{
    const TFestivalPage Page =
        ComputeFestivalPage({Name, std::to_string(Year), Years > 0 ? std::to_string(Years) : "", Today(), Rules});
    if (!Page.Answer) {
        if (Year < FirstWholeFestivalYear || Year > LastWholeFestivalYear)
            throw ECliFailure("no date for \"" + Name + "\" in " + std::to_string(Year) +
                              ": festival dates are known from " + std::to_string(FirstWholeFestivalYear) +
                              " to " + std::to_string(LastWholeFestivalYear));
        throw ECliFailure("\"" + Name + "\" does not fall in " + std::to_string(Year) + " (the Jewish year " +
                          std::to_string(std::int64_t{Year} + 3760) + ")");
    }
    return FestivalDateList(Name, Page, Hebrew);
}

struct TYearFestival {
    TDateTime Date = 0;
    TJewishDate Jewish;
    std::size_t Index = 0;  // in the festival table

    std::string Name(bool Hebrew) const
    {
        return std::string(Hebrew ? HebrewFestivalNames[Index] : Festivals[Index].Name);
    }
};

std::vector<TYearFestival> FestivalsOfYear(std::int32_t JewishYear, TRules Rules)
{
    RequireDatedJewishYear(JewishYear, "festival dates");
    TJewishYear Year(Rules);
    Year.SetYear(JewishYear);
    std::vector<TYearFestival> Found;
    for (std::size_t Index = 0; Index < Festivals.size(); ++Index) {
        const TFestival& Festival = Festivals[Index];
        if (Year.FestivalApplies(Festival))
            Found.push_back({JewishToDateTime(JewishYear, Festival.Month, Festival.Day),
                             {JewishYear, Festival.Month, Festival.Day}, Index});
    }
    return Found;
}

std::string WeekdayName(TDateTime Date)
{
    return std::string{DayNames[static_cast<std::size_t>(DayOfWeek(Date))]};
}

// With Hebrew the table is in Hebrew, and json adds the Hebrew twins.
TCommandOutput FestivalsOfYearOutput(std::int32_t JewishYear, const std::vector<TYearFestival>& Found, bool Hebrew)
{
    const auto Table = [Found, Hebrew] {
        TTable Table{{"date", "weekday", "jewishDate", "name"}, {}};
        for (const TYearFestival& Festival : Found)
            Table.Rows.push_back({IsoDateText(Festival.Date), WeekdayName(Festival.Date),
                                  JewishDateTextIn(Festival.Jewish, Hebrew), Festival.Name(Hebrew)});
        return Table;
    };
    const auto Json = [JewishYear, Found, Hebrew] {
        TJson Objects = TJson::array();
        for (const TYearFestival& Festival : Found) {
            TJson Object{{"date", IsoDateText(Festival.Date)},
                         {"weekday", WeekdayName(Festival.Date)},
                         {"jewishDate", JewishDateTextIn(Festival.Jewish, false)},
                         {"name", Festival.Name(false)}};
            if (Hebrew) {
                Object["jewishDateHebrew"] = JewishDateTextIn(Festival.Jewish, true);
                Object["nameHebrew"] = Festival.Name(true);
            }
            Objects.push_back(std::move(Object));
        }
        return JsonText({{"year", JewishYear}, {"festivals", std::move(Objects)}});
    };
    const auto Events = [Found] {
        std::vector<TIcsEvent> Events;
        for (const TYearFestival& Festival : Found)
            Events.push_back(FestivalEvent(Festival.Date, Festival.Jewish, Festival.Name(false)));
        return Events;
    };
    return {{}, Table, Json, Events};
}

}  // namespace

TCommand AddFestivalCommand(CLI::App& App)
{
    struct TOptions {
        std::string Name;
        std::int32_t Year = 0;
        int Years = 0;
        bool Israel = false;
        bool Hebrew = false;
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "festival", "The date of a festival in a Gregorian year, or in each of a run of years");
    Command->add_option("NAME", Options->Name,
                        "The festival's name, exactly as listed, in English or Hebrew (\"Purim\", \"פורים\")")
        ->required();
    Command->add_option("GYEAR", Options->Year, "The Gregorian year")->required();
    AddYearsOption(*Command, Options->Years);
    AddIsraelFlag(*Command, Options->Israel);
    AddHebrewFlag(*Command, Options->Hebrew);
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                const TRules Rules = RulesAsked(Options->Israel);
                const std::string Name = RequireFestivalName(Options->Name, Rules);
                const std::pair<std::string, std::string> HebrewHeading{
                    Options->Hebrew ? "nameHebrew" : "", std::string{HebrewFestivalName(Name)}};
                WriteCommandOutput(
                    Out,
                    DateListOutput(FestivalDates(Name, Options->Year, Options->Years, Rules, Options->Hebrew),
                                   HebrewHeading),
                    Options->Format);
            }};
}

TCommand AddFestivalsCommand(CLI::App& App)
{
    struct TOptions {
        std::int32_t Year = 0;
        bool Israel = false;
        bool Hebrew = false;
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "festivals", "Every festival of a Jewish year in table order: date, weekday, Jewish date, name");
    Command->add_option("JYEAR", Options->Year, "The Jewish year")->required();
    AddIsraelFlag(*Command, Options->Israel);
    AddHebrewFlag(*Command, Options->Hebrew);
    AddFormatOption(*Command, Options->Format);
    return {Command, [Options](std::ostream& Out) {
                const std::vector<TYearFestival> Found = FestivalsOfYear(Options->Year, RulesAsked(Options->Israel));
                WriteCommandOutput(Out, FestivalsOfYearOutput(Options->Year, Found, Options->Hebrew), Options->Format);
            }};
}

}  // namespace mirvane
