#include "times/PlaceIndex.h"

#include <algorithm>
#include <array>

#include "times/TextFold.h"

namespace mirvane {
namespace {

constexpr char Separator = '|';

// "|name|other name|", each folded.
std::string FoldedNameList(std::initializer_list<std::string_view> Names)
{
    std::string List(1, Separator);
    for (const std::string_view Name : Names) {
        const std::string Folded = FoldedText(Name);
        if (!Folded.empty())
            List += Folded + Separator;
    }
    return List;
}

std::string FoldedAlternateList(std::string_view Alternates)
{
    std::string List(1, Separator);
    for (std::size_t Start = 0, End; (End = Alternates.find(Separator, Start)) != std::string_view::npos;
         Start = End + 1) {
        const std::string Folded = FoldedText(Alternates.substr(Start, End - Start));
        if (!Folded.empty())
            List += Folded + Separator;
    }
    return List;
}

bool HasExactly(std::string_view List, std::string_view Name)
{
    for (std::size_t At = List.find(Name); At != std::string_view::npos; At = List.find(Name, At + 1))
        if (List[At - 1] == Separator && At + Name.size() < List.size() && List[At + Name.size()] == Separator)
            return true;
    return false;
}

// Does Query begin one of the names of List, or one of their words?
bool BeginsWord(std::string_view List, std::string_view Query)
{
    for (std::size_t At = List.find(Query); At != std::string_view::npos; At = List.find(Query, At + 1))
        if (At > 0 && (List[At - 1] == Separator || List[At - 1] == ' '))
            return true;
    return false;
}

// The other names people give a country after a comma.
std::string_view CountryNickname(std::string_view Code)
{
    if (Code == "GB")
        return "uk";
    if (Code == "US")
        return "usa";
    return {};
}

bool Narrows(const TPlace& Place, const std::vector<std::string>& Narrowing)
{
    if (Narrowing.empty())
        return true;
    const std::string Where =
        FoldedNameList({Place.Region, Place.Country, Place.CountryCode, CountryNickname(Place.CountryCode)});
    return std::ranges::all_of(Narrowing, [&](const std::string& Part) { return BeginsWord(Where, Part); });
}

}  // namespace

// The places found so far, by how well they match.
struct TPlaceIndex::TMatches {
    static constexpr std::size_t Kinds = 4;  // the name, another name, a name begun, another begun
    std::array<std::vector<std::size_t>, Kinds> Found;
    std::size_t Count = 0;
};

TPlaceIndex::TPlaceIndex(std::vector<TPlace> Places) : List(std::move(Places))
{
    FoldedNames.reserve(List.size());
    FoldedAlternates.reserve(List.size());
    for (const TPlace& Place : List) {
        FoldedNames.push_back(FoldedNameList({Place.Name, Place.AsciiName, Place.HebrewName}));
        FoldedAlternates.push_back(FoldedAlternateList(Place.AlternateNames));
    }
}

void TPlaceIndex::Gather(std::string_view Name, const std::vector<std::string>& Narrowing, TMatches& Matches) const
{
    for (std::size_t Index = 0; Index < List.size(); ++Index) {
        const std::string& Names = FoldedNames[Index];
        const std::string& Alternates = FoldedAlternates[Index];
        std::size_t Kind = 0;
        if (HasExactly(Names, Name))
            Kind = 0;
        else if (HasExactly(Alternates, Name))
            Kind = 1;
        else if (BeginsWord(Names, Name))
            Kind = 2;
        else if (BeginsWord(Alternates, Name))
            Kind = 3;
        else
            continue;
        // Only the few places the name found have their region folded.
        if (!Narrows(List[Index], Narrowing))
            continue;
        ++Matches.Count;
        Matches.Found[Kind].push_back(Index);
    }
}

std::vector<TPlace> TPlaceIndex::Search(std::string_view Query, std::size_t Limit, std::size_t* Count) const
{
    // The name, then what narrows it, each folded.
    std::vector<std::string> Parts;
    for (std::size_t Start = 0;;) {
        const std::size_t Comma = Query.find(',', Start);
        Parts.push_back(FoldedText(Query.substr(Start, Comma - Start)));
        if (Comma == std::string_view::npos)
            break;
        Start = Comma + 1;
    }
    std::erase_if(Parts, [](const std::string& Part) { return Part.empty(); });
    TMatches Matches;
    if (!Parts.empty()) {
        Gather(Parts.front(), {Parts.begin() + 1, Parts.end()}, Matches);
        // A comma may belong to the name itself ("Washington, D.C.").
        if (Matches.Count == 0 && Parts.size() > 1)
            Gather(FoldedText(Query), {}, Matches);
    }
    if (Count)
        *Count = Matches.Count;
    // The list is kept most people first, so each group already is.
    std::vector<TPlace> Found;
    for (const std::vector<std::size_t>& Group : Matches.Found)
        for (const std::size_t Index : Group)
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
        if (!City.empty() && HasExactly(FoldedNames[Index], City))
            return List[Index];
        if (!Busiest)
            Busiest = Index;
    }
    if (!Busiest)
        return std::nullopt;
    return List[*Busiest];
}

}  // namespace mirvane
