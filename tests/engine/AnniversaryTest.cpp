#include <gtest/gtest.h>

#include <climits>

#include "engine/Anniversary.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"

namespace mirvane {
namespace {

TEST(JewishDateText, DayMonthNameOfThatYearAndYear)
{
    EXPECT_EQ(JewishDateText(5757, Nissan, 15), "15 Nissan 5757");
    EXPECT_EQ(JewishDateText(5763, Adar2, 13), "13 Adar2 5763");
    EXPECT_EQ(JewishDateText(5763, Adar, 13), "13 Adar1 5763");
    EXPECT_EQ(JewishDateText(5764, Adar, 13), "13 Adar 5764");
    EXPECT_EQ(JewishDateText(5731, Kislev, 3), "3 Kislev 5731");
    // Month 13 of a common year has no name.
    EXPECT_EQ(JewishDateText(5764, Adar2, 1), "1  5764");
}

TEST(JewishDateText, AnyNumbersGiveText)
{
    EXPECT_EQ(JewishDateText(5764, 0, 1), "1  5764");
    EXPECT_EQ(JewishDateText(5764, 14, 1), "1  5764");
    EXPECT_EQ(JewishDateText(0, Nissan, 0), "0 Nissan 0");
    EXPECT_EQ(JewishDateText(INT_MIN, INT_MIN, INT_MIN), "-2147483648  -2147483648");
    // Beyond the last year with a date the month names are still known.
    EXPECT_EQ(JewishDateText(INT_MAX, Tishrei, INT_MAX), "2147483647 Tishrei 2147483647");
}

struct MonthCase {
    std::int32_t BirthYear;
    std::int32_t BirthMonth;
    std::int32_t TargetYear;
    bool PlainAdarIsAdar2;
    std::int32_t Expected;
};

class AnniversaryMonthTest : public testing::TestWithParam<MonthCase> {};

TEST_P(AnniversaryMonthTest, OnlyAdarMoves)
{
    const MonthCase& Case = GetParam();
    EXPECT_EQ(AnniversaryMonth(Case.BirthYear, Case.BirthMonth, Case.TargetYear, Case.PlainAdarIsAdar2),
              Case.Expected);
}

// 5763 and 5771 are leap years, 5764 and 5766 common ones.
INSTANTIATE_TEST_SUITE_P(
    Anniversary, AnniversaryMonthTest,
    testing::Values(
        // Plain Adar (a common year's) into a leap year follows the choice.
        MonthCase{5764, Adar, 5771, false, Adar}, MonthCase{5764, Adar, 5771, true, Adar2},
        MonthCase{5764, Adar, 5766, false, Adar}, MonthCase{5764, Adar, 5766, true, Adar},
        // Adar I and Adar II keep their Adar in leap years, whatever the choice.
        MonthCase{5763, Adar, 5771, false, Adar}, MonthCase{5763, Adar, 5771, true, Adar},
        MonthCase{5763, Adar2, 5771, false, Adar2}, MonthCase{5763, Adar2, 5771, true, Adar2},
        MonthCase{5763, Adar, 5766, true, Adar}, MonthCase{5763, Adar2, 5766, false, Adar},
        // Every other month stays.
        MonthCase{5763, Nissan, 5764, true, Nissan}, MonthCase{5764, Elul, 5771, true, Elul},
        MonthCase{5764, 0, 5771, true, 0}, MonthCase{5764, INT_MIN, INT_MAX, true, INT_MIN},
        // Years with no place on the calendar still have a leap flag, or none.
        MonthCase{5764, Adar2, INT_MAX, false, Adar}, MonthCase{INT_MIN, Adar, 0, true, Adar}));

TEST(AnniversaryDate, CarriesTheJewishDateIntoEachYear)
{
    // Born 1 December 1970, 3 Kislev 5731.
    ASSERT_EQ(DateTimeToJewish(EncodeDate(1970, 12, 1)), (TJewishDate{5731, Kislev, 3}));
    EXPECT_EQ(AnniversaryDate(5731, Kislev, 3, 5731, false), EncodeDate(1970, 12, 1));
    EXPECT_EQ(AnniversaryDate(5731, Kislev, 3, 5756, false), EncodeDate(1995, 11, 26));
    EXPECT_EQ(AnniversaryDate(5731, Kislev, 3, 5757, false), EncodeDate(1996, 11, 14));
    EXPECT_EQ(AnniversaryDate(5731, Kislev, 3, 5758, false), EncodeDate(1997, 12, 2));
}

TEST(AnniversaryDate, AdarIISeriesReturnsToAdarIIInEveryLeapYear)
{
    // 6 Adar II 5757, 15 March 1997; a series from a common year on too.
    ASSERT_EQ(DateTimeToJewish(EncodeDate(1997, 3, 15)), (TJewishDate{5757, Adar2, 6}));
    const TDateTime Expected[] = {EncodeDate(1997, 3, 15), EncodeDate(1998, 3, 4), EncodeDate(1999, 2, 22),
                                  EncodeDate(2000, 3, 13), EncodeDate(2001, 3, 1)};
    for (bool PlainAdarIsAdar2 : {false, true}) {
        for (std::int32_t Offset = 0; Offset < 5; ++Offset)
            EXPECT_EQ(AnniversaryDate(5757, Adar2, 6, 5757 + Offset, PlainAdarIsAdar2), Expected[Offset])
                << 5757 + Offset;
        for (std::int32_t Offset = 1; Offset < 5; ++Offset)
            EXPECT_EQ(AnniversaryDate(5757, Adar2, 6, 5757 + Offset, PlainAdarIsAdar2),
                      JewishToDateTime(5757 + Offset, Offset == 3 ? Adar2 : Adar, 6));
    }
}

TEST(AnniversaryDate, DayThirtyOfAMissingDayFallsOnTheNextFirst)
{
    TJewishYear Year;
    // 5758 has a 29-day Cheshvan, 5765 a 29-day Kislev, 5764 a 29-day Adar.
    Year.SetYear(5758);
    ASSERT_EQ(Year.DaysInMonth(Cheshvan), 29);
    EXPECT_EQ(AnniversaryDate(5750, Cheshvan, 30, 5758, false), JewishToDateTime(5758, Kislev, 1));
    Year.SetYear(5765);
    ASSERT_EQ(Year.DaysInMonth(Kislev), 29);
    EXPECT_EQ(AnniversaryDate(5750, Kislev, 30, 5765, false), JewishToDateTime(5765, Tevet, 1));
    // 30 Adar I: 1 Nissan in a common year, itself in a leap year.
    EXPECT_EQ(AnniversaryDate(5763, Adar, 30, 5764, true), JewishToDateTime(5764, Nissan, 1));
    EXPECT_EQ(AnniversaryDate(5763, Adar, 30, 5771, true), JewishToDateTime(5771, Adar, 30));
}

TEST(AnniversaryDate, YearsBeyondTheCalendarFailAsConversionErrors)
{
    EXPECT_THROW(AnniversaryDate(5757, Nissan, 1, LastYearWithNewYearDate + 1, false), EConvertError);
    EXPECT_THROW(AnniversaryDate(5757, Adar2, 1, INT_MAX, true), EConvertError);
    EXPECT_NO_THROW(AnniversaryDate(5757, Nissan, 1, LastYearWithNewYearDate, false));
    EXPECT_NO_THROW(AnniversaryDate(5757, Nissan, INT_MIN, 5790, false));
}

}  // namespace
}  // namespace mirvane
