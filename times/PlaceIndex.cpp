#include "times/PlaceIndex.h"

#include <algorithm>
#include <sstream>

#include "times/TextFold.h"

namespace mirvane {
namespace {

// Does Query begin Text, or one of its words?
bool BeginsWord(std::string_view Text, std::string_view Query)
{
    for (std::size_t At = 0; At + Query.size() <= Text.size(); ++At) {
        const bool WordStart = At == 0 || Text[At - 1] == ' ' || Text[At - 1] == '-' || Text[At - 1] == '\'';
        if (WordStart && Text.compare(At, Query.size(), Query) == 0)
            return true;
    }
    return false;
}

std::string_view Trimmed(std::string_view Text)
{
    const std::size_t First = Text.find_first_not_of(' ');
    if (First == std::string_view::npos)
        return {};
    return Text.substr(First, Text.find_last_not_of(' ') - First + 1);
}

}  // namespace

TPlaceIndex::TPlaceIndex(std::vector<TPlace> Places) : List(std::move(Places))
{
    FoldedNames.reserve(List.size());
    FoldedAsciiNames.reserve(List.size());
    for (const TPlace& Place : List) {
        FoldedNames.push_back(FoldedText(Place.Name));
        FoldedAsciiNames.push_back(FoldedText(Place.AsciiName));
    }
}

std::vector<TPlace> TPlaceIndex::Search(std::string_view Query, std::size_t Limit) const
{
    // The name, then what narrows it, each folded.
    std::vector<std::string> Parts;
    std::istringstream Split{FoldedText(Query)};
    for (std::string Part; std::getline(Split, Part, ',');)
        Parts.emplace_back(Trimmed(Part));
    if (Parts.empty() || Parts.front().empty())
        return {};
    const std::string& Name = Parts.front();

    std::vector<std::size_t> Exact;
    std::vector<std::size_t> Others;
    for (std::size_t Index = 0; Index < List.size(); ++Index) {
        const std::string& Ascii = FoldedAsciiNames[Index];
        const std::string& Folded = FoldedNames[Index];
        if (!BeginsWord(Ascii, Name) && !BeginsWord(Folded, Name))
            continue;
        // Only the few places the name found have their region folded.
        if (Parts.size() > 1) {
            const std::string Where = FoldedText(List[Index].Region) + ' ' + FoldedText(List[Index].Country);
            if (!std::all_of(Parts.begin() + 1, Parts.end(),
                             [&](const std::string& Part) { return BeginsWord(Where, Part); }))
                continue;
        }
        const bool Same = Ascii == Name || Folded == Name;
        // Once the exact names alone fill the answer, the others cannot enter it.
        if (Same || Others.size() < Limit)
            (Same ? Exact : Others).push_back(Index);
    }
    // The list is kept most people first, so each group already is.
    std::vector<TPlace> Found;
    for (const std::vector<std::size_t>* Group : {&Exact, &Others})
        for (const std::size_t Index : *Group)
            if (Found.size() < Limit)
                Found.push_back(List[Index]);
    return Found;
}

std::optional<TPlace> TPlaceIndex::PlaceOfZone(std::string_view ZoneName) const
{
    const std::size_t Slash = ZoneName.rfind('/');
    std::string City{Slash == std::string_view::npos ? ZoneName : ZoneName.substr(Slash + 1)};
    std::replace(City.begin(), City.end(), '_', ' ');
    City = FoldedText(City);
    std::optional<std::size_t> Busiest;
    for (std::size_t Index = 0; Index < List.size(); ++Index) {
        if (List[Index].TimeZone != ZoneName)
            continue;
        if (FoldedAsciiNames[Index] == City || FoldedNames[Index] == City)
            return List[Index];
        if (!Busiest)
            Busiest = Index;
    }
    if (!Busiest)
        return std::nullopt;
    return List[*Busiest];
}

}  // namespace mirvane
