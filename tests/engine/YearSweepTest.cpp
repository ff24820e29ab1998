// Sweeps over the whole range the calendar covers: no hand-picked example
// replaces checking every day and every year.

#include <gtest/gtest.h>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "tests/support/MessageCapture.h"

namespace mirvane {
namespace {

TEST(YearSweep, EveryDayRoundTripsAndHasTheRightWeekday)
{
    MessageCapture Messages;
    const TDateTime First = FirstConvertibleDate();
    const TDateTime Last = EncodeDate(9999, 12, 31);
    TJewishDate Expected = DateTimeToJewish(First);
    ASSERT_EQ(Expected, (TJewishDate{3763, 8, 9}));
    TJewishYear Calculator;
    Calculator.SetYear(Expected.Year);
    int Failures = 0;
    for (TDateTime Day = First; Day <= Last && Failures < 10; ++Day) {
        const TJewishDate Jewish = DateTimeToJewish(Day);
        // Consecutive days are consecutive Jewish dates: the day counts on
        // inside the month, then the calculator moves to the next month.
        if (Jewish != Expected) {
            ++Failures;
            ADD_FAILURE() << "day " << Day << " gave " << Jewish.Year << "-" << Jewish.Month << "-" << Jewish.Day
                          << ", expected " << Expected.Year << "-" << Expected.Month << "-" << Expected.Day;
        }
        if (JewishToDateTime(Jewish.Year, Jewish.Month, Jewish.Day) != Day) {
            ++Failures;
            ADD_FAILURE() << "day " << Day << " does not round-trip";
        }
        if (Calculator.Year != Jewish.Year)
            Calculator.SetYear(Jewish.Year);
        if (Calculator.WeekdayOf(Jewish.Month, Jewish.Day) != DayOfWeek(Day)) {
            ++Failures;
            ADD_FAILURE() << "weekday of day " << Day;
        }
        Expected = Jewish;
        if (++Expected.Day > Calculator.DaysInMonth(Expected.Month)) {
            Expected.Day = 1;
            TJewishYear Stepper = Calculator;
            Expected.Month = Stepper.NextMonth(Expected.Month);
            Expected.Year = Stepper.Year;
        }
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

TEST(YearSweep, EveryYearHasAValidLengthAndStartsWhereTheLastEnded)
{
    MessageCapture Messages;
    TJewishYear Previous;
    Previous.SetYear(FirstYearWithNewYearDate);
    for (int Number = FirstYearWithNewYearDate + 1; Number <= LastYearWithNewYearDate; ++Number) {
        TJewishYear Year;
        Year.SetYear(Number);
        int Length = 0;
        for (int Month = 1; Month <= 13; ++Month)
            Length += Previous.DaysInMonth(Month);
        const bool ValidLength = Previous.IsLeap ? (Length >= 383 && Length <= 385) : (Length >= 353 && Length <= 355);
        ASSERT_TRUE(ValidLength) << Previous.Year << " has " << Length << " days";
        ASSERT_EQ(Year.NewYearDate - Previous.NewYearDate, Length) << Number;
        ASSERT_EQ(DayOfWeek(Year.NewYearDate), Year.NewYearWeekday) << Number;
        ASSERT_TRUE(Year.NewYearWeekday == 2 || Year.NewYearWeekday == 3 || Year.NewYearWeekday == 5 ||
                    Year.NewYearWeekday == 7)
            << Number;
        Previous = Year;
    }
    EXPECT_TRUE(Messages.Messages.empty());
}

// The conversions look years up in a table; the year facts work each year
// out on its own. Both must place every month of every year alike, past
// the Gregorian years the day sweep covers too.
TEST(YearSweep, EveryMonthStartsWhereTheYearFactsPlaceIt)
{
    for (std::int32_t Year = FirstYearWithNewYearDate; Year <= LastYearWithNewYearDate; ++Year) {
        const TYearFacts Facts = YearFactsOf(Year);
        for (std::int32_t Month = 1; Month <= (Facts.IsLeap ? 13 : 12); ++Month) {
            const TDateTime First = Facts.NewYearDate + DaysBeforeMonthOf(Facts.MonthDays, Month);
            ASSERT_EQ(JewishToDateTime(Year, Month, 1), First) << Year << "-" << Month;
            if (First >= FirstConvertibleDate()) {
                ASSERT_EQ(DateTimeToJewish(First), (TJewishDate{Year, Month, 1})) << Year << "-" << Month;
            }
        }
    }
}

}  // namespace
}  // namespace mirvane
