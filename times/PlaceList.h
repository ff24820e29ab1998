#pragma once

#include <cstdint>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace mirvane {

// One place of the list shipped with the program (GeoNames, CC BY 4.0).
struct TPlace {
    std::string Name;
    std::string AsciiName;
    std::string HebrewName;  // empty where GeoNames has none
    std::string Region;      // empty where GeoNames has no name for it
    std::string Country;
    std::string CountryCode;  // ISO 3166, "IL"
    double Latitude = 0;
    double Longitude = 0;
    std::string TimeZone;  // IANA
    std::int64_t Population = 0;
    bool IsraeliLocality = false;  // in Israel, or one of its localities beyond the 1949 lines
    std::string AlternateNames;    // other names in Latin or Hebrew letters, each ended by '|'
};

// "Lakewood, New Jersey, United States": the name, the region and the
// country, the region left out when it has no name or repeats the name.
std::string PlaceTitle(const TPlace& Place);

// The list is missing, unreadable or not what the program wrote.
class EPlaceListError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The whole list from File, most people first. Throws EPlaceListError naming
// the file, and the line for a damaged one.
std::vector<TPlace> ReadPlaceList(const std::filesystem::path& File);

}  // namespace mirvane
