#include "cli/PlaceLookup.h"

#include <cstdio>

#include "cli/CliFailure.h"
#include "times/PlaceFile.h"
#include "times/TextFold.h"

namespace mirvane {

std::vector<TPlace> PlacesMatching(const std::string& Query, std::size_t Limit, std::size_t* Count)
{
    if (FoldedText(Query).find_first_not_of(", ") == std::string::npos)
        throw ECliUsageError("give the name of a place, or the start of one");
    try {
        return InstalledPlaceIndex().Search(Query, Limit, Count);
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
