#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include <cctz/time_zone.h>

namespace mirvane {

// A zone of the system's IANA database, read through CCTZ, which follows the
// rule at the end of each zone file for the years after its last listed
// transition (2037 in most files), so that daylight saving goes on.
class TTimeZone {
public:
    TTimeZone(std::string Name, cctz::time_zone Zone);

    const std::string& Name() const { return ZoneName; }

    // The offset from UTC in force at At, to the second (local mean times
    // before standard time have odd seconds).
    std::chrono::seconds OffsetAt(std::chrono::sys_seconds At) const;

    // The instant the clocks read Local: the earlier when they read it twice,
    // the moment they jumped when they skipped it.
    std::chrono::sys_seconds InstantOf(std::chrono::local_seconds Local) const;

    // Whether the place's calendar has Day at all: a zone that moved across
    // the date line skipped one (Samoa's 2011-12-30).
    bool HasDay(std::chrono::sys_days Day) const;

private:
    std::string ZoneName;
    cctz::time_zone Zone;
};

// The zone Name of the system's database, read the first time it is asked
// for and kept for the run; nullptr for a name that is not one ("localtime",
// a file's path, a fixed offset, a typo).
const TTimeZone* FindTimeZone(std::string_view Name);

}  // namespace mirvane
