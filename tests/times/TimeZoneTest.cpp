// The zones of the system's database against Python's zoneinfo over the
// same files (fixtures/make-zones.py), and the days a zone skipped.
#include <chrono>
#include <fstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "times/TimeZone.h"

namespace mirvane {
namespace {

using namespace std::chrono;

TEST(TimeZone, EveryZoneKeepsZoneinfosOffsetsFrom1970To2100)
{
    std::ifstream File(MIRVANE_TIMES_FIXTURES "/zones.json");
    ASSERT_TRUE(File) << "fixture missing";
    const nlohmann::json Fixture = nlohmann::json::parse(File);
    const std::vector<std::int64_t> Instants = Fixture["instants"];
    ASSERT_GT(Fixture["zones"].size(), 300u);
    for (const auto& [Name, Runs] : Fixture["zones"].items()) {
        const TTimeZone* Zone = FindTimeZone(Name);
        ASSERT_NE(Zone, nullptr) << Name;
        std::size_t Index = 0;
        for (const auto& Run : Runs) {
            for (int Count = Run[0].get<int>(); Count > 0; --Count, ++Index) {
                const sys_seconds At{seconds{Instants.at(Index)}};
                ASSERT_EQ(Zone->OffsetAt(At), seconds{Run[1].get<int>()}) << Name << " at " << Instants[Index];
            }
        }
        EXPECT_EQ(Index, Instants.size()) << Name;
    }
}

TEST(TimeZone, OnlyTheDatabasesNamesAreZones)
{
    EXPECT_EQ(FindTimeZone("America/New_York"), FindTimeZone("America/New_York"));
    EXPECT_EQ(FindTimeZone("UTC")->Name(), "UTC");
    for (const char* Name : {"", "localtime", "/etc/localtime", "Fixed/UTC+01:00", "Mars/Olympus",
                             "../zoneinfo/UTC", "America/New York", "Asia/"})
        EXPECT_EQ(FindTimeZone(Name), nullptr) << Name;
}

TEST(TimeZone, ADayTheClocksJumpedOverIsNotThere)
{
    const struct {
        const char* Zone;
        sys_days Day;
        bool There;
    } Days[] = {
        {"Pacific/Apia", 2011y / 12 / 29, true},  {"Pacific/Apia", 2011y / 12 / 30, false},
        {"Pacific/Apia", 2011y / 12 / 31, true},  {"Pacific/Kiritimati", 1994y / 12 / 31, false},
        {"Pacific/Kiritimati", 1995y / 1 / 1, true},
        // Clocks that jump at midnight skip an hour, not the day.
        {"America/Havana", 2026y / 3 / 8, true},  {"Asia/Jerusalem", 2026y / 3 / 27, true},
    };
    for (const auto& Each : Days)
        EXPECT_EQ(FindTimeZone(Each.Zone)->HasDay(Each.Day), Each.There) << Each.Zone << ' ' << Each.Day.time_since_epoch().count();
    // Local noon of the day after the jump is that day's own.
    const TTimeZone& Apia = *FindTimeZone("Pacific/Apia");
    EXPECT_EQ(Apia.InstantOf(local_days{2011y / 12 / 31} + 12h), sys_days{2011y / 12 / 30} + 22h);
}

}  // namespace
}  // namespace mirvane
