#pragma once

#include <QString>

#include "settings/LocationSettings.h"
#include "times/PlaceList.h"

namespace mirvane {

// A place of the list as the window names it: PlaceTitle in English; in
// Hebrew its Hebrew name where it has one and its country's Hebrew name
// ("ירושלים, ישראל"), an English name kept in its own order.
QString WindowPlaceTitle(const TPlace& Place, bool Hebrew);
// The same for the place kept in the settings ("Jerusalem, Israel").
QString WindowPlaceTitle(const TLocation& Location, bool Hebrew);

}  // namespace mirvane
