#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mirvane {

// The zone names of the IANA database the system keeps
// (/usr/share/zoneinfo/tzdata.zi: its zones and their links, "UTC" and
// "US/Eastern" among them, not the placeholder "Factory"), sorted; read once. Empty when the system keeps
// no such file.
const std::vector<std::string>& ZoneNames();

// The names a tzdata.zi file declares, sorted; empty when it cannot be read.
std::vector<std::string> ReadZoneNames(const std::filesystem::path& File);

// Whether Name is one of ZoneNames(), spelt as the database spells it
// ("localtime" and "UTC+3" are not).
bool IsZoneName(std::string_view Name);

// The database's spelling of a name typed in any case ("asia/jerusalem" is
// "Asia/Jerusalem"); nothing when no zone has that name.
std::optional<std::string> CanonicalZoneName(std::string_view Typed);

}  // namespace mirvane
