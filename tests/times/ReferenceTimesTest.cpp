// The daily times against KosherJava's, as kosher-zmanim computed them for
// a table of places (fixtures/make-zmanim.js): each within 30 seconds,
// absent exactly where the reference's is, and on the place's clocks with
// the offset the zone has at that moment.
#include <chrono>
#include <fstream>
#include <map>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "tests/times/FixtureDay.h"
#include "times/DailyTimes.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

std::map<std::string, std::optional<TInstant>> ByKey(const TDailyTimes& Times)
{
    return {{"alotHaShachar", Times.Dawn},
            {"misheyakir", Times.Misheyakir},
            {"sunrise", Times.Sunrise},
            {"sofZmanShmaMGA", Times.SofZmanShmaMGA},
            {"sofZmanShma", Times.SofZmanShmaGRA},
            {"sofZmanTfillaMGA", Times.SofZmanTfilaMGA},
            {"sofZmanTfilla", Times.SofZmanTfilaGRA},
            {"chatzot", Times.Chatzot},
            {"minchaGedola", Times.MinchaGedola},
            {"minchaKetana", Times.MinchaKetana},
            {"plagHaMincha", Times.PlagHaMincha},
            {"sunset", Times.Sunset},
            {"tzeit", Times.Nightfall},
            {"fastEnds", Times.FastEnds}};
}

TEST(ReferenceTimesTest, EveryPlaceAndDayAgreesWithKosherJavaWithinThirtySeconds)
{
    std::ifstream File(MIRVANE_TIMES_FIXTURES "/zmanim.json");
    ASSERT_TRUE(File) << "fixture missing";
    const nlohmann::json Fixture = nlohmann::json::parse(File);
    int Compared = 0;
    for (const auto& Place : Fixture["places"]) {
        const TCoordinates Where{Place["latitude"], Place["longitude"]};
        const TTimeZone& Zone = *FindTimeZone(Place["timezone"].get<std::string>());
        for (const auto& Day : Place["days"]) {
            const std::string Date = Day["date"];
            const auto Ours = ByKey(ComputeDailyTimes(FixtureDay(Date), Where, Zone));
            for (const auto& [Key, Reference] : Day["times"].items()) {
                SCOPED_TRACE(Place["name"].get<std::string>() + " " + Date + " " + Key);
                const std::optional<TInstant>& Mine = Ours.at(Key);
                ASSERT_EQ(Mine.has_value(), !Reference.is_null());
                if (!Mine)
                    continue;
                const std::string Text = Reference;
                EXPECT_LE(abs(*Mine - FixtureInstant(Text)), seconds{30})
                    << IsoLocalTimeText(*Mine, Zone, TRounding::Nearest) << " against " << Text;
                // Same offset, and the same local date: the right day on the right clocks.
                const std::string MineText = IsoLocalTimeText(*Mine, Zone, TRounding::Nearest);
                EXPECT_EQ(MineText.substr(19), Text.substr(23));
                EXPECT_EQ(MineText.substr(0, 10), Text.substr(0, 10));
                ++Compared;
            }
        }
    }
    EXPECT_GT(Compared, 1000);
}

}  // namespace
}  // namespace mirvane
