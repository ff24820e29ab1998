// mirvane-cli times: the day's times at a place for each day of a range.
#include <memory>
#include <optional>
#include <string>

#include "cli/CliDate.h"
#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOptions.h"
#include "cli/OptionChecks.h"
#include "cli/PlaceLookup.h"
#include "cli/TimesOutput.h"
#include "engine/GregorianDateText.h"
#include "times/CandleMinutes.h"
#include "times/CivilDay.h"
#include "times/IsraelRules.h"
#include "times/TimeZone.h"
#include "times/ZoneNames.h"

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
    bool Diaspora = false;
    TTimesFormat Format = TTimesFormat::Text;
};

// A zone typed is refused unless the IANA database names it; any case is
// taken. A zone of the place list is trusted to be one.
const TTimeZone& RequireZone(const std::string& Name)
{
    const std::optional<std::string> Canonical = CanonicalZoneName(Name);
    if (!Canonical)
        throw ECliUsageError("--timezone \"" + Name + "\" is not a time zone of the IANA database (such as "
                             "Asia/Jerusalem or America/New_York)");
    if (const TTimeZone* Zone = FindTimeZone(*Canonical))
        return *Zone;
    throw ECliFailure("the time zone " + *Canonical + " cannot be read from the system's zone database");
}

struct TChosenPlace {
    TTimesPlace Place;
    bool InIsrael = false;
};

// The place named, or the coordinates and zone typed: one or the other. A
// place of the list is in Israel by the list; coordinates, by Israel's clocks.
TChosenPlace ChosenPlace(const TTimesOptions& Options)
{
    const bool Typed = Options.Latitude || Options.Longitude || !Options.TimeZone.empty();
    if (!Options.Place.empty()) {
        if (Typed)
            throw ECliUsageError("--place cannot be given with --latitude, --longitude or --timezone");
        const TPlace Place = FirstPlaceNamed(Options.Place);
        return {{Place.Name, Place.Country, PlaceTitle(Place), {Place.Latitude, Place.Longitude},
                 &RequireZone(Place.TimeZone)},
                KeepsIsraelRules(Place)};
    }
    if (!Options.Latitude || !Options.Longitude || Options.TimeZone.empty())
        throw ECliUsageError("give --place NAME, or --latitude, --longitude and --timezone");
    const TCoordinates Where{*Options.Latitude, *Options.Longitude};
    const TTimeZone& Zone = RequireZone(Options.TimeZone);
    return {{std::nullopt, std::nullopt,
             DegreesText(Where.Latitude) + ", " + DegreesText(Where.Longitude) + ", " + Zone.Name(), Where, &Zone},
            KeepsIsraelRules(Zone.Name())};
}

void RunTimes(std::ostream& Out, const TTimesOptions& Options)
{
    const TDateTime From = ReadCliDate(Options.From).value_or(0);
    const TDateTime To = Options.To.empty() ? From : ReadCliDate(Options.To).value_or(0);
    if (From > To)
        throw ECliUsageError("FROM " + IsoDateText(From) + " is after TO " + IsoDateText(To));
    RequireJewishDate(From);
    if (Options.Israel && Options.Diaspora)
        throw ECliUsageError("--israel and --diaspora cannot be given together");
    const TChosenPlace Chosen = ChosenPlace(Options);
    TTimesRules Rules;
    Rules.CandleMinutes = Options.CandleMinutes.value_or(DefaultCandleMinutes(Chosen.Place.Where));
    Rules.HavdalahMinutes = Options.HavdalahMinutes;
    Rules.Diaspora = Options.Diaspora || (!Options.Israel && !Chosen.InIsrael);
    WriteTimes(Out, Chosen.Place, DayOfDateTime(From), DayOfDateTime(To), Rules, Options.Format);
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
    Command->add_option("--latitude", Options->Latitude, "Degrees north, -90 to 90")->check(NumberFromTo(-90, 90));
    Command->add_option("--longitude", Options->Longitude, "Degrees east, -180 to 180")
        ->check(NumberFromTo(-180, 180));
    Command->add_option("--timezone", Options->TimeZone, "The place's IANA time zone, e.g. Asia/Jerusalem");
    Command->add_option("--candle-minutes", Options->CandleMinutes,
                        "Candles this many minutes before sunset, 0 to 120 (default 18; 40 within 10 km of "
                        "Jerusalem, 30 within 10 km of Haifa)")
        ->check(WholeNumberFromTo(0, MaxRuleMinutes));
    Command->add_option("--havdalah-minutes", Options->HavdalahMinutes,
                        "Havdalah this many minutes after sunset, 0 to 120 (default 0: the sun 8.5 degrees below the "
                        "horizon)")
        ->check(WholeNumberFromTo(0, MaxRuleMinutes));
    Command->add_flag("--israel", Options->Israel,
                      "Israel's festival rules, even for a place outside Israel (the default for one inside)");
    Command->add_flag("--diaspora", Options->Diaspora,
                      "The Diaspora's festival rules, even for a place in Israel (the default elsewhere)");
    Command->add_option("--format", Options->Format, "Output format: text (default), json, csv or ics")
        ->transform(NamedChoice(std::map<std::string, TTimesFormat>{{"text", TTimesFormat::Text},
                                                                               {"json", TTimesFormat::Json},
                                                                               {"csv", TTimesFormat::Csv},
                                                                               {"ics", TTimesFormat::Ics}}))
        ->option_text("text|json|csv|ics");
    return {Command, [Options](std::ostream& Out) { RunTimes(Out, *Options); }};
}

}  // namespace mirvane
