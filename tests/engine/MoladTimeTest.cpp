#include <gtest/gtest.h>

#include <climits>

#include "engine/MoladTime.h"

namespace mirvane {
namespace {

TEST(MoonTime, SetTimeIgnoresAnyValueOutOfRange)
{
    const TMoonTime Kept(3, 4, 5);
    const int Refused[][3] = {{7, 0, 0}, {0, 24, 0}, {0, 0, 1080}, {-1, 0, 0}, {0, -1, 0}, {0, 0, -1}};
    for (const auto& Values : Refused) {
        TMoonTime Time = Kept;
        Time.SetTime(Values[0], Values[1], Values[2]);
        EXPECT_EQ(Time, Kept);
    }
    TMoonTime Time = Kept;
    Time.SetTime(7, 0, 0);
    Time.SetTime(INT_MIN, INT_MAX, 0);
    EXPECT_EQ(Time, Kept);
    Time.SetTime(6, 23, 1079);
    EXPECT_EQ(Time, TMoonTime(6, 23, 1079));
}

TEST(MoonTime, PresetsComeOutAsTheCalendarFixesThem)
{
    TMoonTime Time;
    Time.SetEpoch();
    EXPECT_EQ(Time, TMoonTime(2, 5, 204));
    Time.SetMonth();
    EXPECT_EQ(Time, TMoonTime(1, 12, 793));
    Time.SetCommonYear();
    EXPECT_EQ(Time, TMoonTime(4, 8, 876));
    Time.SetLeapYear();
    EXPECT_EQ(Time, TMoonTime(5, 21, 589));
    Time.SetCycle();
    EXPECT_EQ(Time, TMoonTime(2, 16, 595));
}

TEST(MoonTime, AddCarriesPartsIntoHoursIntoDaysAndWrapsTheWeek)
{
    TMoonTime Time(6, 23, 1079);
    TMoonTime Month;
    Month.SetMonth();
    Time.Add(Month);
    EXPECT_EQ(Time, TMoonTime(1, 12, 792));
    EXPECT_EQ(Month, TMoonTime(1, 12, 793)) << "the other operand is not changed";
}

TEST(MoonTime, MultiplyByAnyFactorStaysInRange)
{
    // 235 months a cycle: multiplying month by month must agree with the
    // cycle preset, and a huge factor must neither overflow nor leave range.
    TMoonTime ByMonths;
    ByMonths.SetMonth();
    ByMonths.MultiplyBy(235);
    TMoonTime Cycle;
    Cycle.SetCycle();
    EXPECT_EQ(ByMonths, Cycle);

    for (const int Factor : {INT_MAX, INT_MIN, -1, 0}) {
        TMoonTime Time(6, 23, 1079);
        Time.MultiplyBy(Factor);
        EXPECT_GE(Time.Days, 0);
        EXPECT_LE(Time.Days, 6);
        EXPECT_GE(Time.Hours, 0);
        EXPECT_LE(Time.Hours, 23);
        EXPECT_GE(Time.Parts, 0);
        EXPECT_LE(Time.Parts, 1079);
    }
}

TEST(MoonTime, AddingLunarMonthsAtOnceMatchesAddingThemOneByOne)
{
    // A cycle forwards and back, and counts too large for 32 bits.
    for (const std::int64_t Count : {0LL, 1LL, 12LL, 13LL, 235LL, -1LL, -235LL, 5000000000LL, -5000000000LL}) {
        TMoonTime AtOnce(6, 23, 1079);
        AtOnce.AddLunarMonths(Count);
        TMoonTime Step;
        Step.SetMonth();
        TMoonTime OneByOne(6, 23, 1079);
        if (Count < 0 || Count > 235) {
            // 181,440 lunar months make whole weeks, so only the count
            // modulo that many matters.
            Step.MultiplyBy(static_cast<std::int32_t>(Count % 181440));
            OneByOne.Add(Step);
        } else {
            for (std::int64_t Month = 0; Month < Count; ++Month)
                OneByOne.Add(Step);
        }
        EXPECT_EQ(AtOnce, OneByOne) << Count;
    }
}

TEST(MoonTime, MoladTextReadsTheCivilWeekdayAndClock)
{
    const struct {
        TMoonTime Time;
        const char* Text;
    } Cases[] = {
        {{2, 5, 204}, "Sunday 23:11 and 6 parts"},
        {{0, 0, 0}, "Friday 18:00 and 0 parts"},
        {{1, 6, 0}, "Sunday 0:00 and 0 parts"},
        {{6, 23, 1079}, "Friday 17:59 and 17 parts"},
        {{0, 18, 0}, "Saturday 12:00 and 0 parts"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(Case.Time.MoladText(), Case.Text);
}

}  // namespace
}  // namespace mirvane
