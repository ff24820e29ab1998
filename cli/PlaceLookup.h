#pragma once

#include <string>
#include <vector>

#include "times/PlaceList.h"

namespace mirvane {

// The places of the list matching Query, best first, at most Limit (Count,
// when given, set to how many matched in all); a failure (exit 1) when the
// list is missing or damaged, a usage error for an empty Query.
std::vector<TPlace> PlacesMatching(const std::string& Query, std::size_t Limit, std::size_t* Count = nullptr);

// The best match; a failure when there is none.
TPlace FirstPlaceNamed(const std::string& Query);

// Degrees as the place list writes them, to five places ("-74.00597").
std::string DegreesText(double Degrees);

}  // namespace mirvane
