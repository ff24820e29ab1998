#include <gtest/gtest.h>

#include "engine/JewishYear.h"
#include "engine/SeasonTime.h"

namespace mirvane {
namespace {

TEST(SeasonTime, SetTimeIgnoresAnyValueOutOfRange)
{
    const TSeasonTime Kept(400, 4, 5, 6);
    const int Refused[][4] = {{0, 24, 0, 0}, {0, 0, 1080, 0}, {0, 0, 0, 76}, {-1, 0, 0, 0}, {0, -1, 0, 0}};
    for (const auto& Values : Refused) {
        TSeasonTime Time = Kept;
        Time.SetTime(Values[0], Values[1], Values[2], Values[3]);
        EXPECT_EQ(Time, Kept);
    }
    TSeasonTime Time = Kept;
    Time.SetTime(-1, 0, 0, 0);
    Time.SetTime(0, 24, 0, 0);
    Time.SetTime(0, 0, 0, 76);
    EXPECT_EQ(Time, Kept);
}

TEST(SeasonTime, FourSeasonsMakeTheSolarYearAndTheDaysAreNeverReduced)
{
    TSeasonTime Year = SeasonLength;
    Year.MultiplyBy(4);
    EXPECT_EQ(Year, TSeasonTime(365, 5, 997, 48));
    EXPECT_EQ(Year.SeasonText(), "365d 5h 997p 48f");
}

TEST(SeasonTime, NineteenSolarYearsEqualTwoHundredThirtyFiveMonths)
{
    TSeasonTime Solar = SeasonLength;
    Solar.MultiplyBy(4 * 19);
    TSeasonTime Lunar = LunarMonthLength;
    Lunar.MultiplyBy(235);
    EXPECT_EQ(Solar, Lunar);
}

TEST(SeasonTime, SubtractingTheFirstYearOffsetBorrowsOncePerUnit)
{
    TSeasonTime Time;
    Time.Subtract(FirstYearSeasonOffset);
    EXPECT_EQ(Time.Days, -1);
    EXPECT_EQ(Time.Hours, 14);
    EXPECT_EQ(Time.Parts, 438);
    EXPECT_EQ(Time.Moments, 0);
}

TEST(SeasonTime, AddingAPlainMoladTimeAddsNoMoments)
{
    TSeasonTime Time(1, 2, 3, 75);
    Time.Add(TMoonTime(1, 23, 1079));
    EXPECT_EQ(Time.SeasonText(), "3d 2h 2p 75f");
    Time.Add(TSeasonTime(0, 0, 0, 1));
    EXPECT_EQ(Time.SeasonText(), "3d 2h 3p 0f");
}

TEST(SeasonTime, NissanSeasonOfTheYearsAroundACycleStart)
{
    const struct {
        int Year;
        const char* Season;
        const char* Text;
    } Cases[] = {
        {5756, "184d 11h 89p 56f", "7 Nissan"},
        {5757, "194d 17h 7p 28f", "18 Adar2"},
        {5758, "176d 22h 1005p 0f", "29 Adar"},
    };
    for (const auto& Case : Cases) {
        TJewishYear Year;
        Year.SetYear(Case.Year);
        EXPECT_EQ(Year.NissanSeason.SeasonText(), Case.Season) << Case.Year;
        EXPECT_EQ(Year.NissanSeasonText, Case.Text) << Case.Year;
    }
}

TEST(SeasonTime, EachYearOfACycleAddsFortyEightMoments)
{
    TJewishYear Year;
    for (int InCycle = 1; InCycle <= 19; ++InCycle) {
        Year.SetYear(5757 + InCycle);
        EXPECT_EQ(Year.NissanSeason.Moments, (48 * (InCycle - 1)) % 76) << Year.Year;
    }
}

}  // namespace
}  // namespace mirvane
