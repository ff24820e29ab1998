#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "tests/support/MessageCapture.h"

namespace mirvane {
namespace {

struct KnownDate {
    TJewishDate Jewish;
    TDateTime Gregorian;
};

const KnownDate KnownDates[] = {
    {{5758, 7, 1}, 35705},
    {{5758, 1, 15}, 35896},
    {{5784, 13, 1}, EncodeDate(2024, 3, 11)},
    {{5784, 1, 1}, EncodeDate(2024, 4, 9)},
    {{5787, 9, 26}, EncodeDate(2026, 12, 6)},
    {{5660, 10, 28}, 0},
    {{3763, 8, 9}, EncodeDate(2, 11, 1)},
};

TEST(DateConversion, KnownDatesConvertBothWays)
{
    for (const KnownDate& Known : KnownDates) {
        SCOPED_TRACE(Known.Gregorian);
        EXPECT_EQ(JewishToDateTime(Known.Jewish.Year, Known.Jewish.Month, Known.Jewish.Day), Known.Gregorian);
        EXPECT_EQ(DateTimeToJewish(Known.Gregorian), Known.Jewish);
    }
}

TEST(DateConversion, DaysOutsideTheMonthRunIntoItsNeighbours)
{
    EXPECT_EQ(JewishToDateTime(5758, 8, 0), EncodeDate(1997, 10, 31));
    EXPECT_EQ(JewishToDateTime(5758, 8, 31), EncodeDate(1997, 12, 1));
    EXPECT_EQ(JewishToDateTime(5758, 7, INT_MAX), 35705.0 + INT_MAX - 1);
    EXPECT_EQ(JewishToDateTime(5758, 7, INT_MIN), 35705.0 + INT_MIN - 1);
}

TEST(DateConversion, MonthsThatAreNotInTheYearAreRefused)
{
    const int Refused[][2] = {{5785, 13}, {5784, 0}, {5784, 14}, {5758, -1}, {5758, INT_MAX}, {5758, INT_MIN}};
    for (const auto& Case : Refused) {
        try {
            JewishToDateTime(Case[0], Case[1], 1);
            ADD_FAILURE() << Case[0] << " month " << Case[1] << " was converted";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid Jewish Month");
        }
    }
}

TEST(DateConversion, YearsBelowOneCountDaysFromZero)
{
    EXPECT_EQ(JewishToDateTime(0, 7, 5), 4);
    EXPECT_EQ(JewishToDateTime(-7, 7, 1), 0);
    EXPECT_THROW(JewishToDateTime(0, 13, 1), EConvertError);
}

TEST(DateConversion, YearsPastTheCalendarAreRefused)
{
    for (const int Year : {13776, INT_MAX})
        EXPECT_THROW(JewishToDateTime(Year, 7, 1), EConvertError);
    EXPECT_NO_THROW(JewishToDateTime(13775, 6, 29));
}

TEST(DateConversion, DatesWithoutAKnownJewishDateAreRefused)
{
    MessageCapture Messages;
    const double Refused[] = {EncodeDate(2, 10, 31),
                              EncodeDate(1, 1, 1),
                              -1e9,
                              1e9,
                              std::numeric_limits<double>::quiet_NaN(),
                              std::numeric_limits<double>::infinity(),
                              -std::numeric_limits<double>::infinity(),
                              std::numeric_limits<double>::max()};
    for (const double Value : Refused) {
        try {
            DateTimeToJewish(Value);
            ADD_FAILURE() << Value << " was converted";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
        }
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST(DateConversion, TheLastReachableDaysConvertAndTheNextIsRefused)
{
    // 29 Elul 13775 is the last day whose year has a known new-year date.
    const TDateTime LastDay = JewishToDateTime(13775, 6, 29);
    EXPECT_EQ(DateTimeToJewish(LastDay), (TJewishDate{13775, 6, 29}));
    EXPECT_THROW(DateTimeToJewish(LastDay + 1), EConvertError);
}

TEST(DateConversion, TimeOfDayIsIgnored)
{
    EXPECT_EQ(DateTimeToJewish(35705.99), (TJewishDate{5758, 7, 1}));
    int Year = 0, Month = 0, Day = 0;
    DateTimeToJewish(35896.25, Year, Month, Day);
    EXPECT_EQ((TJewishDate{Year, Month, Day}), (TJewishDate{5758, 1, 15}));
}

TEST(DateConversion, LateMillenniaNoLongerOvershoot)
{
    // From May 6774 on, the month estimated from the Gregorian month can
    // begin after the date itself.
    MessageCapture Messages;
    for (TDateTime Day = EncodeDate(6774, 4, 25); Day <= EncodeDate(6774, 6, 10); ++Day) {
        const TJewishDate Jewish = DateTimeToJewish(Day);
        EXPECT_GE(Jewish.Day, 1);
        EXPECT_EQ(JewishToDateTime(Jewish.Year, Jewish.Month, Jewish.Day), Day);
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

}  // namespace
}  // namespace mirvane
