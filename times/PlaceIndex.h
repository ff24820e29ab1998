#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "times/PlaceList.h"

namespace mirvane {

// The place list made ready for searching as the user types: every name of
// every place (its own, its ASCII and Hebrew spellings, its alternate names)
// is folded once, when the index is made, so a search only compares.
class TPlaceIndex {
public:
    explicit TPlaceIndex(std::vector<TPlace> Places);

    const std::vector<TPlace>& Places() const { return List; }

    // The places one of whose names, or a word of it, begins with Query, as
    // FoldedText compares them ("tromso" finds Tromsø, "Tel-Aviv" Tel Aviv,
    // "ירושלים" Jerusalem); "Name, region, country or country code" narrows
    // by the words after the comma ("London, UK"). Best first: the places
    // named exactly Query, then those with it as another name, then those
    // whose name begins with it, then the rest; each group by population. At
    // most Limit; Count, when given, is set to how many matched in all.
    std::vector<TPlace> Search(std::string_view Query, std::size_t Limit, std::size_t* Count = nullptr) const;

    // The place a zone of the IANA database is named after ("America/New_York"
    // is New York), else the most people living on the zone's clocks; nothing
    // when no place of the list keeps them.
    std::optional<TPlace> PlaceOfZone(std::string_view ZoneName) const;

private:
    struct TMatches;
    void Gather(std::string_view Name, const std::vector<std::string>& Narrowing, TMatches& Matches) const;

    std::vector<TPlace> List;
    // Per place, "|name|ascii name|hebrew name|" and "|alternate|...|", folded.
    std::vector<std::string> FoldedNames;
    std::vector<std::string> FoldedAlternates;
};

}  // namespace mirvane
