// mirvane-cli times: the day's times at a place for each day of a range.
#include <memory>
#include <optional>
#include <string>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/PlaceLookup.h"
#include "cli/TimesOutput.h"
#include "engine/GregorianDateText.h"
#include "times/CivilDay.h"

namespace mirvane {
namespace {

struct TTimesOptions {
    std::string From;
    std::string To;
    std::string Place;
    std::optional<double> Latitude;
    std::optional<double> Longitude;
    std::string TimeZone;
    std::optional<int> CandleMinutes;
    int HavdalahMinutes = 0;
    bool Israel = false;
    TTimesFormat Format = TTimesFormat::Text;
};

const TTimeZone& RequireZone(const std::string& Name)
{
    if (const TTimeZone* Zone = FindTimeZone(Name))
        return *Zone;
    throw ECliFailure("no time zone is named \"" + Name + "\" in the system's zone database");
}

// The place named, or the coordinates and zone typed: one or the other.
TTimesPlace ChosenPlace(const TTimesOptions& Options)
{
    const bool Typed = Options.Latitude || Options.Longitude || !Options.TimeZone.empty();
    if (!Options.Place.empty()) {
        if (Typed)
            throw ECliUsageError("--place cannot be given with --latitude, --longitude or --timezone");
        const TPlace Place = FirstPlaceNamed(Options.Place);
        return {Place.Name, Place.Country, PlaceTitle(Place), {Place.Latitude, Place.Longitude},
                &RequireZone(Place.TimeZone)};
    }
    if (!Options.Latitude || !Options.Longitude || Options.TimeZone.empty())
        throw ECliUsageError("give --place NAME, or --latitude, --longitude and --timezone");
    const TCoordinates Where{*Options.Latitude, *Options.Longitude};
    const TTimeZone& Zone = RequireZone(Options.TimeZone);
    return {std::nullopt, std::nullopt,
            DegreesText(Where.Latitude) + ", " + DegreesText(Where.Longitude) + ", " + Zone.Name(), Where,
            &Zone};
}

void RunTimes(std::ostream& Out, const TTimesOptions& Options)
{
    const TDateTime From = ReadCliDate(Options.From).value_or(0);
    const TDateTime To = Options.To.empty() ? From : ReadCliDate(Options.To).value_or(0);
    if (From > To)
        throw ECliUsageError("FROM " + IsoDateText(From) + " is after TO " + IsoDateText(To));
    RequireJewishDate(From);
    const TTimesPlace Place = ChosenPlace(Options);
    TTimesRules Rules;
    Rules.CandleMinutes = Options.CandleMinutes.value_or(
        DefaultCandleMinutes(Place.Name.value_or(""), Place.Country.value_or("")));
    Rules.HavdalahMinutes = Options.HavdalahMinutes;
    Rules.Diaspora = !Options.Israel;
    WriteTimes(Out, Place, DayOfDateTime(From), DayOfDateTime(To), Rules, Options.Format);
}

}  // namespace

TCommand AddTimesCommand(CLI::App& App)
{
    const auto Options = std::make_shared<TTimesOptions>();
    CLI::App* Command = App.add_subcommand(
        "times", "The times of the day at a place, from dawn to nightfall, with candle lighting, havdalah and "
                 "fasts on their days, for each day from FROM to TO");
    Command->add_option("FROM", Options->From, "First day, YYYY-MM-DD or today")->required()->check(CliDateCheck());
    Command->add_option("TO", Options->To, "Last day, YYYY-MM-DD or today (default FROM)")->check(CliDateCheck());
    Command->add_option("--place", Options->Place, "The place of the list best matching NAME (see places)");
    Command->add_option("--latitude", Options->Latitude, "Degrees north, -90 to 90")->check(CLI::Range(-90.0, 90.0));
    Command->add_option("--longitude", Options->Longitude, "Degrees east, -180 to 180")
        ->check(CLI::Range(-180.0, 180.0));
    Command->add_option("--timezone", Options->TimeZone, "The place's IANA time zone, e.g. Asia/Jerusalem");
    Command->add_option("--candle-minutes", Options->CandleMinutes,
                        "Candles this many minutes before sunset, 0 to 120 (default 18; 40 in Jerusalem, 30 in Haifa)")
        ->check(CLI::Range(0, MaxRuleMinutes));
    Command->add_option("--havdalah-minutes", Options->HavdalahMinutes,
                        "Havdalah this many minutes after sunset, 0 to 120 (default 0: the sun 8.5 degrees below the "
                        "horizon)")
        ->check(CLI::Range(0, MaxRuleMinutes));
    AddIsraelFlag(*Command, Options->Israel);
    Command->add_option("--format", Options->Format, "Output format: text (default), json, csv or ics")
        ->transform(CLI::CheckedTransformer(std::map<std::string, TTimesFormat>{{"text", TTimesFormat::Text},
                                                                               {"json", TTimesFormat::Json},
                                                                               {"csv", TTimesFormat::Csv},
                                                                               {"ics", TTimesFormat::Ics}}))
        ->option_text("text|json|csv|ics");
    return {Command, [Options](std::ostream& Out) { RunTimes(Out, *Options); }};
}

}  // namespace mirvane
