#include "cli/PlaceLookup.h"

#include <cstdio>

#include "cli/CliFailure.h"
#include "times/PlaceFile.h"

namespace mirvane {

std::vector<TPlace> PlacesMatching(const std::string& Query, std::size_t Limit)
{
    try {
        return InstalledPlaceIndex().Search(Query, Limit);
    } catch (const EPlaceListError& Error) {
        throw ECliFailure(std::string(Error.what()) + "; --latitude, --longitude and --timezone still work");
    }
}

std::string DegreesText(double Degrees)
{
    char Text[32];
    std::snprintf(Text, sizeof Text, "%.5f", Degrees);
    return Text;
}

TPlace FirstPlaceNamed(const std::string& Query)
{
    const std::vector<TPlace> Found = PlacesMatching(Query, 1);
    if (Found.empty())
        throw ECliFailure("no place of the list is named \"" + Query + "\"");
    return Found.front();
}

}  // namespace mirvane
