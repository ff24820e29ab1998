// The rules of a day's list beyond the sun's angles, which the reference
// fixtures do not reach: the clocks after 2037, rounding that keeps a time
// after nightfall, times past midnight and why a time is absent, Chanukah's
// lights, a fast into Shabbat, and the calendar's last day.
#include <chrono>
#include <string>

#include <gtest/gtest.h>

#include "times/DayTimes.h"
#include "times/TimeText.h"

namespace mirvane {
namespace {

using namespace std::chrono;

const TCoordinates NewYork{40.71427, -74.00597};
const TCoordinates Longyearbyen{78.2232, 15.6267};

TDayTimes TimesAt(sys_days Day, const TCoordinates& Where, const char* Zone, TTimesRules Rules = {})
{
    return ComputeDayTimes(Day, Where, *FindTimeZone(Zone), Rules);
}

const TDayTime* Find(const TDayTimes& Times, std::string_view Key)
{
    for (const TDayTime& Time : Times.Times)
        if (Time.Key == Key)
            return &Time;
    return nullptr;
}

std::string Clock(const TDayTimes& Times, std::string_view Key, const char* Zone)
{
    const TDayTime* Time = Find(Times, Key);
    return Time ? DayClockText(*Time, Times.Day, *FindTimeZone(Zone)) : "missing";
}

TEST(DayTimes, ClocksAfter2037KeepDaylightSaving)
{
    const TDayTimes Times = TimesAt(2038y / 6 / 18, NewYork, "America/New_York");
    EXPECT_EQ(Clock(Times, "candleLighting", "America/New_York"), "20:12");
    EXPECT_EQ(IsoLocalTimeText(*Find(Times, "sunset")->At, *FindTimeZone("America/New_York"), TRounding::Nearest)
                  .substr(19),
              "-04:00");
    const TDayTimes Sydney = TimesAt(2038y / 7 / 1, {-33.86785, 151.20732}, "Australia/Sydney");
    EXPECT_EQ(IsoLocalTimeText(*Find(Sydney, "sunset")->At, *FindTimeZone("Australia/Sydney"), TRounding::Nearest)
                  .substr(19),
              "+10:00");
}

TEST(DayTimes, CandlesAfterAHolyDayAreNeverBeforeItsEnd)
{
    // Pessach's second night, on Shabbat's end: nightfall is 20:14:51.
    const TDayTimes Times = TimesAt(2025y / 4 / 12, NewYork, "America/New_York");
    EXPECT_EQ(Clock(Times, "candleLighting", "America/New_York"), "20:15");
    EXPECT_EQ(Clock(Times, "tzeit", "America/New_York"), "20:15");
    EXPECT_EQ(Find(Times, "candleLighting")->Rounding, TRounding::Up);
}

TEST(DayTimes, FarNorthATimeAfterMidnightIsTheDaysAndAnAbsentOneSaysWhy)
{
    const char* Zone = "Arctic/Longyearbyen";
    const TDayTimes August = TimesAt(2026y / 8 / 24, Longyearbyen, Zone);
    EXPECT_EQ(Clock(August, "sunset", Zone), "00:30 (Tue 25)");
    EXPECT_EQ(Find(August, "tzeit")->Why, TAbsence::NotDarkEnough);
    EXPECT_EQ(Clock(TimesAt(2026y / 7 / 21, {61.21806, -149.90028}, "America/Anchorage"), "tzeit",
                    "America/Anchorage"),
              "01:52 (Wed 22)");

    const TDayTimes June = TimesAt(2026y / 6 / 21, Longyearbyen, Zone);
    EXPECT_EQ(Find(June, "sunrise")->Why, TAbsence::SunDoesNotSet);
    EXPECT_EQ(Find(June, "sofZmanShma")->Why, TAbsence::SunDoesNotSet);
    const TDayTimes December = TimesAt(2026y / 12 / 21, Longyearbyen, Zone);
    EXPECT_EQ(Find(December, "sunset")->Why, TAbsence::SunDoesNotRise);
    EXPECT_EQ(Find(December, "tzeit")->Why, TAbsence::NotLightEnough);
    EXPECT_TRUE(Find(December, "alotHaShachar")->At);
    EXPECT_EQ(Find(December, "alotHaShachar")->Why, TAbsence::None);
}

TEST(DayTimes, ChanukahsLightsFollowShabbatsTimes)
{
    // Chanukah 2026 begins on the evening of Friday 4 December.
    const char* Zone = "America/New_York";
    const struct {
        sys_days Day;
        const char* SameAs;  // the time the lights share, or none
    } Evenings[] = {
        {2026y / 12 / 3, nullptr},          {2026y / 12 / 4, "candleLighting"}, {2026y / 12 / 5, "havdalah"},
        {2026y / 12 / 6, "tzeit"},          {2026y / 12 / 10, "tzeit"},         {2026y / 12 / 11, "candleLighting"},
        {2026y / 12 / 12, nullptr},
    };
    for (const auto& Evening : Evenings) {
        const TDayTimes Times = TimesAt(Evening.Day, NewYork, Zone);
        const TDayTime* Lights = Find(Times, "chanukahCandles");
        ASSERT_EQ(Lights != nullptr, Evening.SameAs != nullptr) << static_cast<int>(Evening.Day.time_since_epoch().count());
        if (!Lights)
            continue;
        EXPECT_TRUE(Lights->BeginsNextDay);
        EXPECT_EQ(Clock(Times, "chanukahCandles", Zone), Clock(Times, Evening.SameAs, Zone)) << static_cast<int>(Evening.Day.time_since_epoch().count());
    }
    // Lit before Shabbat's candles, after havdalah.
    const TDayTimes Friday = TimesAt(2026y / 12 / 4, NewYork, Zone);
    EXPECT_EQ(Friday.Times[DailyTimeCount].Key, "chanukahCandles");
    EXPECT_EQ(TimesAt(2026y / 12 / 5, NewYork, Zone).Times.back().Key, "chanukahCandles");
}

TEST(DayTimes, AFastOnAFridayHasNoEnd)
{
    // Asara B'Tevet 5781 fell on Friday 25 December 2020.
    const TDayTimes Friday = TimesAt(2020y / 12 / 25, NewYork, "America/New_York");
    EXPECT_NE(Find(Friday, "fastBegins"), nullptr);
    EXPECT_EQ(Find(Friday, "fastEnds"), nullptr);
    EXPECT_NE(Find(TimesAt(2026y / 12 / 20, NewYork, "America/New_York"), "fastEnds"), nullptr);
}

TEST(DayTimes, TheCalendarsLastDayHasItsTimes)
{
    const TDayTimes Last = TimesAt(9999y / 12 / 31, NewYork, "America/New_York");
    EXPECT_TRUE(Find(Last, "sunset")->At);
}

TEST(DayTimes, ALocalMeanTimeIsWrittenToTheMinuteAsTheSameMoment)
{
    // Jerusalem kept +02:20:40 until 1918.
    const TTimeZone& Jerusalem = *FindTimeZone("Asia/Jerusalem");
    const TInstant At = sys_days{1900y / 1 / 1} + 10h;
    EXPECT_EQ(IsoLocalTimeText(At, Jerusalem, TRounding::Nearest), "1900-01-01T12:21:00+02:21");
    EXPECT_EQ(ClockText(At, Jerusalem, TRounding::Nearest), "12:21");
    EXPECT_EQ(ShownMinute(At + 25s, Jerusalem, TRounding::Up), At + 20s + 60s);
}

}  // namespace
}  // namespace mirvane
