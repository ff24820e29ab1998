#pragma once

#include <filesystem>
#include <vector>

#include "times/PlaceList.h"

namespace mirvane {

// Where the place list is: the file named by MIRVANE_PLACES when set, else
// share/mirvane/places.tsv beside the program's bin folder (wherever the
// program was installed), else under the prefix it was built for, else the
// source tree's (the build tree's programs and tests). When none is there,
// the first place looked in, for the message.
std::filesystem::path PlaceListFile();

// ReadPlaceList(PlaceListFile()).
std::vector<TPlace> ReadInstalledPlaceList();

}  // namespace mirvane
