// mirvane-cli places: the places of the list a name finds, best first.
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOutput.h"
#include "cli/JsonText.h"
#include "cli/OptionChecks.h"
#include "cli/PlaceLookup.h"

namespace mirvane {
namespace {

constexpr std::size_t ListedPlaces = 20;

// More matched than are shown: said after the table, and as "more" in json.
TCommandOutput PlacesOutput(const std::vector<TPlace>& Found, std::size_t More)
{
    const auto Table = [Found] {
        TTable Table{{"place", "latitude", "longitude", "timezone", "population"}, {}};
        for (const TPlace& Place : Found)
            Table.Rows.push_back({PlaceTitle(Place), DegreesText(Place.Latitude), DegreesText(Place.Longitude),
                                  Place.TimeZone, std::to_string(Place.Population)});
        return Table;
    };
    const auto Text = [Table, More](std::ostream& Out) {
        WriteTable(Out, Table(), TOutputFormat::Text);
        if (More > 0)
            Out << "… and " << More << " more; add more of the name, or \", COUNTRY\"\n";
    };
    const auto Json = [Found, More] {
        TJson Places = TJson::array();
        for (const TPlace& Place : Found)
            Places.push_back({{"name", Place.Name},
                              {"region", Place.Region},
                              {"country", Place.Country},
                              {"latitude", Place.Latitude},
                              {"longitude", Place.Longitude},
                              {"timezone", Place.TimeZone},
                              {"population", Place.Population}});
        TJson Answer{{"places", std::move(Places)}};
        if (More > 0)
            Answer["more"] = More;
        return JsonText(Answer);
    };
    return {Text, Table, Json, {}};
}

}  // namespace

TCommand AddPlacesCommand(CLI::App& App)
{
    struct TOptions {
        std::string Query;
        TOutputFormat Format = TOutputFormat::Text;
    };
    const auto Options = std::make_shared<TOptions>();
    CLI::App* Command = App.add_subcommand(
        "places", "The places of the list whose name, or a word of it, begins with QUERY, most people first");
    Command->add_option("QUERY", Options->Query,
                        "A name in any case, accents optional; \"NAME, REGION OR COUNTRY\" narrows it")
        ->required();
    Command->add_option("--format", Options->Format, "Output format: text (default) or json")
        ->transform(NamedChoice(
            std::map<std::string, TOutputFormat>{{"text", TOutputFormat::Text}, {"json", TOutputFormat::Json}}))
        ->option_text("text|json");
    return {Command, [Options](std::ostream& Out) {
                std::size_t Count = 0;
                const std::vector<TPlace> Found = PlacesMatching(Options->Query, ListedPlaces, &Count);
                // A program reading json is given an empty list rather than nothing.
                if (!Found.empty() || Options->Format == TOutputFormat::Json)
                    WriteCommandOutput(Out, PlacesOutput(Found, Count - Found.size()), Options->Format);
                if (Found.empty())
                    throw ECliFailure("no place of the list is named \"" + Options->Query + "\"");
            }};
}

}  // namespace mirvane
