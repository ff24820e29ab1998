// The candle-lighting minutes a place is given by where it is, and the zone
// names the system's database declares.
#include <gtest/gtest.h>

#include "times/CandleMinutes.h"
#include "times/TimeZone.h"
#include "times/ZoneNames.h"

namespace mirvane {
namespace {

TEST(CandleMinutesTest, TheCitysCustomReachesTenKilometresFromItsCentre)
{
    const struct {
        const char* Where;
        TCoordinates At;
        int Minutes;
    } Cases[] = {
        {"Jerusalem, typed to two places", {31.77, 35.21}, 40},
        {"West Jerusalem", {31.78199, 35.21961}, 40},
        {"Mevaseret Zion, 8 km west", {31.80186, 35.15172}, 40},
        {"Ma'ale Adumim, 8 km east", {31.7774, 35.29875}, 40},
        {"Beit Shemesh, 20 km west", {31.73072, 34.99293}, 18},
        {"Haifa", {32.81841, 34.9885}, 30},
        {"Kiryat Bialik, 9 km north-east", {32.8275, 35.08583}, 30},
        {"Zikhron Ya'akov, 26 km south", {32.57136, 34.95185}, 18},
        {"Tel Aviv", {32.08088, 34.78057}, 18},
        {"Paris", {48.85341, 2.3488}, 18},
        {"the antipode of Jerusalem", {-31.76904, -144.78367}, 18},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(DefaultCandleMinutes(Case.At), Case.Minutes) << Case.Where;
    // Jerusalem to Tel Aviv is 54 km by the great circle.
    EXPECT_NEAR(DistanceKilometres({31.76904, 35.21633}, {32.08088, 34.78057}), 54, 1);
}

TEST(ZoneNamesTest, OnlyTheDatabasesNamesAreZonesInAnyCase)
{
    ASSERT_GT(ZoneNames().size(), 500u);
    // Every name declared is one the zone library can read.
    for (const std::string& Name : ZoneNames())
        EXPECT_NE(FindTimeZone(Name), nullptr) << Name;
    EXPECT_TRUE(IsZoneName("Asia/Jerusalem"));
    EXPECT_TRUE(IsZoneName("UTC"));         // a link
    EXPECT_TRUE(IsZoneName("US/Eastern"));  // a link kept for old names
    for (const char* NotAZone : {"localtime", "UTC+3", "asia/jerusalem", "", "Asia/", "posixrules/x"})
        EXPECT_FALSE(IsZoneName(NotAZone)) << NotAZone;
    EXPECT_EQ(CanonicalZoneName("asia/JERUSALEM"), "Asia/Jerusalem");
    EXPECT_EQ(CanonicalZoneName("america/argentina/buenos_aires"), "America/Argentina/Buenos_Aires");
    EXPECT_EQ(CanonicalZoneName("utc+3"), std::nullopt);
    EXPECT_TRUE(ReadZoneNames("/nonexistent/tzdata.zi").empty());
}

}  // namespace
}  // namespace mirvane
