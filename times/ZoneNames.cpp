#include "times/ZoneNames.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace mirvane {
namespace {

char Lower(char Character)
{
    return Character >= 'A' && Character <= 'Z' ? static_cast<char>(Character - 'A' + 'a') : Character;
}

bool SameInAnyCase(std::string_view Left, std::string_view Right)
{
    return std::ranges::equal(Left, Right, [](char A, char B) { return Lower(A) == Lower(B); });
}

}  // namespace

std::vector<std::string> ReadZoneNames(const std::filesystem::path& File)
{
    std::ifstream Stream(File);
    std::vector<std::string> Names;
    // "Z Name offset ..." declares a zone, "L Target Name" a second name for one.
    for (std::string Line; std::getline(Stream, Line);) {
        std::istringstream Words(Line);
        std::string Kind, First, Second;
        Words >> Kind >> First >> Second;
        // "Factory" is the database's placeholder for machines not yet set up, no place's clocks.
        if (Kind == "Z" && !First.empty() && First != "Factory")
            Names.push_back(First);
        else if (Kind == "L" && !Second.empty())
            Names.push_back(Second);
    }
    std::ranges::sort(Names);
    Names.erase(std::unique(Names.begin(), Names.end()), Names.end());
    return Names;
}

const std::vector<std::string>& ZoneNames()
{
    static const std::vector<std::string> Names = ReadZoneNames("/usr/share/zoneinfo/tzdata.zi");
    return Names;
}

bool IsZoneName(std::string_view Name)
{
    return std::ranges::binary_search(ZoneNames(), Name);
}

std::optional<std::string> CanonicalZoneName(std::string_view Typed)
{
    if (IsZoneName(Typed))
        return std::string(Typed);
    const auto Found = std::ranges::find_if(ZoneNames(), [&](const std::string& Name) {
        return SameInAnyCase(Name, Typed);
    });
    if (Found == ZoneNames().end())
        return std::nullopt;
    return *Found;
}

}  // namespace mirvane
