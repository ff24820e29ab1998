// Which days light candles, end with havdalah and begin and end fasts, over
// a Jewish year and more, against @hebcal/core (fixtures/make-holy-days.mjs):
// the same days under the Diaspora rules in New York (also in 1985-86),
// Suva beside the date line, and Israel's in Jerusalem (also in
// 2150-51), each time within a minute of hebcal's, which is rounded its own
// way. Hebcal ends Tisha B'Av at 6.45 degrees; there the day is compared.
#include <chrono>
#include <fstream>
#include <map>
#include <sstream>

#include <date/date.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/times/FixtureDay.h"
#include "times/DayTimes.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

int MinuteOfDay(const std::string& Clock)
{
    return std::stoi(Clock.substr(0, 2)) * 60 + std::stoi(Clock.substr(3, 2));
}

TEST(HolyDaysReferenceTest, CandlesHavdalahAndFastsFallOnHebcalsDaysAndMinutes)
{
    std::ifstream File(MIRVANE_TIMES_FIXTURES "/holy-days.json");
    ASSERT_TRUE(File) << "fixture missing";
    const nlohmann::json Fixture = nlohmann::json::parse(File);
    for (const auto& Place : Fixture["places"]) {
        SCOPED_TRACE(Place["name"].get<std::string>());
        const TCoordinates Where{Place["latitude"], Place["longitude"]};
        const TTimeZone& Zone = *FindTimeZone(Place["timezone"].get<std::string>());
        const TTimesRules Rules{Place["candleMinutes"], 0, !Place["israel"].get<bool>()};
        // (date, kind) to the minute shown; no minute for a time the
        // reference reckons its own way.
        std::map<std::pair<std::string, std::string>, std::string> Reference;
        for (const auto& Time : Place["times"])
            Reference[{Time["date"], Time["kind"]}] = Time["time"].is_null() ? "" : Time["time"];
        std::map<std::pair<std::string, std::string>, std::string> Ours;
        for (sys_days Day = FixtureDay(Place["first"]); Day <= FixtureDay(Place["last"]); Day += days{1}) {
            for (const TDayTime& Time : ComputeDayTimes(Day, Where, Zone, Rules).Times) {
                if (Time.Key == "candleLighting" || Time.Key == "havdalah" || Time.Key == "fastBegins" ||
                    Time.Key == "fastEnds")
                    Ours[{date::format("%F", Day), std::string(Time.Key)}] =
                        ClockTextOrDash(Time.At, Zone, Time.Rounding);
            }
        }
        for (const auto& [Key, Clock] : Reference) {
            SCOPED_TRACE(Key.first + " " + Key.second);
            if (!Ours.contains(Key)) {
                ADD_FAILURE() << "missing, hebcal has " << Clock;
                continue;
            }
            if (!Clock.empty()) {
                EXPECT_LE(std::abs(MinuteOfDay(Ours[Key]) - MinuteOfDay(Clock)), 1) << Ours[Key] << " against " << Clock;
            }
        }
        for (const auto& [Key, Clock] : Ours)
            EXPECT_TRUE(Reference.contains(Key)) << Key.first << " " << Key.second << " " << Clock << " not in hebcal";
    }
}

}  // namespace
}  // namespace mirvane
