#pragma once

#include <optional>
#include <string>

namespace mirvane {

// The user's place for the times of the day, kept in its own settings group
// "Location": a place of the list (its name and country) or coordinates
// typed (no name), its IANA time zone, and the minutes of candle lighting
// and havdalah there.
struct TLocation {
    std::string Name;     // empty for coordinates typed
    std::string Country;  // empty for coordinates typed
    double Latitude = 0;   // degrees north, -90 to 90
    double Longitude = 0;  // degrees east, -180 to 180
    std::string TimeZone;
    int CandleMinutes = 18;   // before sunset, 0 to 120
    int HavdalahMinutes = 0;  // after sunset, 1 to 120; 0 for the sun 8.5 degrees below the horizon
    // What the Hebrew window names it by: the list's Hebrew name, where it
    // has one, and the country's code, whose Hebrew name the window finds.
    std::string HebrewName{};
    std::string CountryCode{};

    // The place stored; nothing when none is, or when its coordinates or its
    // zone are missing or out of range. Minutes out of range take their
    // defaults. Never fails.
    static std::optional<TLocation> Load();
    // Writes every value; a store that cannot be written is left alone.
    void Save() const;

    bool operator==(const TLocation&) const = default;
};

}  // namespace mirvane
