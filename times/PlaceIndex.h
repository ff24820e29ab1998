#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "times/PlaceList.h"

namespace mirvane {

// The place list made ready for searching as the user types: every name is
// folded (lower case, accents taken off) once, when the index is made, so a
// search only compares.
class TPlaceIndex {
public:
    explicit TPlaceIndex(std::vector<TPlace> Places);

    const std::vector<TPlace>& Places() const { return List; }

    // The places whose name, or a word of it, begins with Query, in any case
    // and with accents ignored ("tromso" finds Tromsø); "Name, Region or
    // country" narrows by the words after the comma. Places named exactly
    // Query come first, then the rest, each group by population. At most
    // Limit.
    std::vector<TPlace> Search(std::string_view Query, std::size_t Limit) const;

    // The place a zone of the IANA database is named after ("America/New_York"
    // is New York), else the most people living on the zone's clocks; nothing
    // when no place of the list keeps them.
    std::optional<TPlace> PlaceOfZone(std::string_view ZoneName) const;

private:
    std::vector<TPlace> List;
    std::vector<std::string> FoldedNames;
    std::vector<std::string> FoldedAsciiNames;
};

}  // namespace mirvane
