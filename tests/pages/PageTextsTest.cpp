#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "engine/DateServices.h"
#include "engine/GregorianDateText.h"
#include "pages/YearList.h"

namespace mirvane {
namespace {

TEST(ListedYearCount, OnlyOneToTwoHundredMakesAList)
{
    EXPECT_EQ(ListedYearCount("1"), 1);
    EXPECT_EQ(ListedYearCount(" 200 "), 200);
    for (const char* Text : {"", "0", "201", "-3", "abc", "99999999999"})
        EXPECT_EQ(ListedYearCount(Text), 0) << Text;
}

TEST(GregorianDateText, NamesWeekdayDayMonthAndYear)
{
    EXPECT_EQ(GregorianDateText(EncodeDate(1970, 12, 1)), "Tuesday 1 December 1970");
    EXPECT_EQ(GregorianDateText(0), "Saturday 30 December 1899");
    EXPECT_EQ(GregorianDateText(EncodeDate(2, 11, 1)), "Friday 1 November 2");
    EXPECT_EQ(GregorianDateText(EncodeDate(9999, 12, 31) + 1), "Saturday 1 January 10000");
}

TEST(GregorianDateText, ValuesThatAreNoDateGiveNoText)
{
    for (const double Value : {EncodeDate(1, 1, 1) - 1, 1e12, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(GregorianDateText(Value), "");
        EXPECT_EQ(IsoDateText(Value), "");
    }
}

TEST(IsoDateText, PadsToFourDigitYearsAndTwoDigitMonthsAndDays)
{
    EXPECT_EQ(IsoDateText(EncodeDate(1970, 12, 1)), "1970-12-01");
    EXPECT_EQ(IsoDateText(EncodeDate(2, 11, 1)), "0002-11-01");
    EXPECT_EQ(IsoDateText(EncodeDate(9999, 12, 31) + 1), "10000-01-01");
}

}  // namespace
}  // namespace mirvane
