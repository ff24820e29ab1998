// mirvane-cli places: the places of the list a name finds, best first.
#include <memory>
#include <string>

#include <CLI/CLI.hpp>

#include "cli/CliFailure.h"
#include "cli/CommandLine.h"
#include "cli/CommandOutput.h"
#include "cli/JsonText.h"
#include "cli/PlaceLookup.h"

namespace mirvane {
namespace {

constexpr std::size_t ListedPlaces = 20;

TCommandOutput PlacesOutput(const std::vector<TPlace>& Found)
{
    const auto Table = [Found] {
        TTable Table{{"place", "latitude", "longitude", "timezone", "population"}, {}};
        for (const TPlace& Place : Found)
            Table.Rows.push_back({PlaceTitle(Place), DegreesText(Place.Latitude), DegreesText(Place.Longitude),
                                  Place.TimeZone, std::to_string(Place.Population)});
        return Table;
    };
    const auto Json = [Found] {
        TJson Places = TJson::array();
        for (const TPlace& Place : Found)
            Places.push_back({{"name", Place.Name},
                              {"region", Place.Region},
                              {"country", Place.Country},
                              {"latitude", Place.Latitude},
                              {"longitude", Place.Longitude},
                              {"timezone", Place.TimeZone},
                              {"population", Place.Population}});
        return JsonText({{"places", std::move(Places)}});
    };
    return {{}, Table, Json, {}};
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
        ->transform(CLI::CheckedTransformer(
            std::map<std::string, TOutputFormat>{{"text", TOutputFormat::Text}, {"json", TOutputFormat::Json}}))
        ->option_text("text|json");
    return {Command, [Options](std::ostream& Out) {
                const std::vector<TPlace> Found = PlacesMatching(Options->Query, ListedPlaces);
                if (Found.empty())
                    throw ECliFailure("no place of the list is named \"" + Options->Query + "\"");
                WriteCommandOutput(Out, PlacesOutput(Found), Options->Format);
            }};
}

}  // namespace mirvane
