#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/ConvertError.h"
#include "engine/DateServices.h"

namespace mirvane {
namespace {

TEST(DateServices, EncodeCountsDaysFromThe30thOfDecember1899)
{
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
    EXPECT_EQ(EncodeDate(1997, 10, 2), 35705);
    EXPECT_EQ(EncodeDate(1998, 4, 11), 35896);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465);
}

TEST(DateServices, EncodeRefusesWhatIsNoDate)
{
    const int Refused[][3] = {{0, 1, 1},   {10000, 1, 1}, {2000, 0, 1},        {2000, 13, 1},
                              {2000, 1, 0}, {2000, 2, 30}, {1900, 2, 29},       {2001, 4, 31},
                              {-5, 1, 1},   {INT32_MAX, 12, 31}, {2000, INT32_MIN, 1}};
    for (const auto& Date : Refused) {
        try {
            EncodeDate(Date[0], Date[1], Date[2]);
            ADD_FAILURE() << Date[0] << "-" << Date[1] << "-" << Date[2] << " was encoded";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
}

TEST(DateServices, DecodeGivesTheDateOfTheWholeDay)
{
    EXPECT_EQ(DecodeDate(0), (TGregorianDate{1899, 12, 30}));
    EXPECT_EQ(DecodeDate(35705.75), (TGregorianDate{1997, 10, 2}));
    EXPECT_EQ(DecodeDate(-0.25), (TGregorianDate{1899, 12, 29}));
    EXPECT_EQ(DecodeDate(-693593), (TGregorianDate{1, 1, 1}));
    // Past the year 9999 too: 1 Tishrei of the last years lies there.
    EXPECT_EQ(DecodeDate(2958466), (TGregorianDate{10000, 1, 1}));
}

TEST(DateServices, NextDateIsTheDecodedFollowingDay)
{
    EXPECT_EQ(NextDate({2000, 2, 28}), (TGregorianDate{2000, 2, 29}));
    EXPECT_EQ(NextDate({1900, 2, 28}), (TGregorianDate{1900, 3, 1}));
    EXPECT_EQ(NextDate({1999, 12, 31}), (TGregorianDate{2000, 1, 1}));
    EXPECT_EQ(NextDate({9999, 12, 31}), (TGregorianDate{10000, 1, 1}));
    // Every day of the years 1 to 10014, against decoding each day anew.
    TGregorianDate Date = DecodeDate(EncodeDate(1, 1, 1));
    for (TDateTime Day = EncodeDate(1, 1, 1); Date.Year <= 10014; ++Day) {
        const TGregorianDate Next = NextDate(Date);
        ASSERT_EQ(Next, DecodeDate(Day + 1)) << Date.Year << "-" << Date.Month << "-" << Date.Day;
        Date = Next;
    }
}

TEST(DateServices, DecodeOutsideTheCalendarGivesZeros)
{
    const double Outside[] = {-693594,
                              1e12,
                              -1e300,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity()};
    for (const double Value : Outside)
        EXPECT_EQ(DecodeDate(Value), TGregorianDate{}) << Value;
}

TEST(DateServices, WeekdayCountsFromSundayAndValueZeroIsASaturday)
{
    EXPECT_EQ(DayOfWeek(0), 7);
    EXPECT_EQ(DayOfWeek(1), 1);
    EXPECT_EQ(DayOfWeek(-1), 6);
    EXPECT_EQ(DayOfWeek(35705), 5);  // Thursday 2 October 1997
    EXPECT_EQ(DayOfWeek(35896.5), 7);
    EXPECT_EQ(DayOfWeek(-693593), 2);  // Monday 1 January of year 1
    EXPECT_EQ(DayOfWeek(1e14), DayOfWeek(std::fmod(1e14, 7)));
    EXPECT_EQ(DayOfWeek(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(DayOfWeek(std::numeric_limits<double>::infinity()), 0);
}

TEST(DateServices, TodayIsAWholeDayInTheCalendar)
{
    const TDateTime Now = Today();
    EXPECT_EQ(Now, std::floor(Now));
    EXPECT_GT(DecodeDate(Now).Year, 2000);
}

}  // namespace
}  // namespace mirvane
