#pragma once

#include <string_view>

#include "times/PlaceList.h"

namespace mirvane {

// Whether a place keeps Israel's festival days rather than the Diaspora's: a
// place of the list by what the list says of it, coordinates typed by the
// clocks they keep (Israel's zone and its older names).
bool KeepsIsraelRules(const TPlace& Place);
bool KeepsIsraelRules(std::string_view ZoneName);

}  // namespace mirvane
