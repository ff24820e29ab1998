#pragma once

#include <filesystem>
#include <vector>

#include "times/PlaceIndex.h"
#include "times/PlaceList.h"

namespace mirvane {

// Where the place list is: the file named by MIRVANE_PLACES when set, else
// share/mirvane/places.tsv beside the program's bin folder (wherever the
// program was installed), else under the prefix it was built for, else the
// source tree's (the build tree's programs and tests). When none is there,
// the first place looked in, for the message.
std::filesystem::path PlaceListFile();

// The installed list, read and indexed the first time it is asked for and
// kept for the rest of the run (read again only when PlaceListFile() names
// another file). Throws EPlaceListError, and reads again at the next call.
const TPlaceIndex& InstalledPlaceIndex();

}  // namespace mirvane
