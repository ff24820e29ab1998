#include <gtest/gtest.h>

#include <climits>

#include "engine/ConvertError.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "tests/support/MessageCapture.h"

namespace mirvane {
namespace {

TJewishYear YearOf(int Number)
{
    TJewishYear Year;
    Year.SetYear(Number);
    return Year;
}

int YearLength(const TJewishYear& Year)
{
    int Days = 0;
    for (int Month = 1; Month <= 13; ++Month)
        Days += Year.DaysInMonth(Month);
    return Days;
}

TEST(JewishYear, KnownYearsCarryTheirFacts)
{
    const struct {
        int Year, Cycle, InCycle;
        bool Leap;
        TMoonTime Molad;
        int Weekday, Cheshvan, Kislev, Length;
        TDateTime NewYearDate;
    } Cases[] = {
        {1, 1, 1, false, {2, 5, 204}, 2, 30, 30, 355, 0},
        {3762, 198, 19, true, {}, 0, 0, 0, 0, 0},
        {3763, 199, 1, false, {}, 0, 0, 0, 0, EncodeDate(2, 9, 24)},
        {4000, 211, 10, false, {}, 2, 0, 0, 0, EncodeDate(239, 9, 16)},
        {5750, 303, 12, false, {0, 15, 462}, 7, 30, 30, 355, EncodeDate(1989, 9, 30)},
        {5758, 304, 1, false, {5, 4, 129}, 5, 29, 30, 354, EncodeDate(1997, 10, 2)},
        {5787, 305, 11, true, {0, 2, 1063}, 7, 30, 30, 385, EncodeDate(2026, 9, 12)},
        {7000, 369, 8, true, {}, 3, 0, 0, 384, EncodeDate(3239, 9, 20)},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.Year);
        const TJewishYear Year = YearOf(Case.Year);
        EXPECT_EQ(Year.Year, Case.Year);
        EXPECT_EQ(Year.CycleNumber, Case.Cycle);
        EXPECT_EQ(Year.YearInCycle, Case.InCycle);
        EXPECT_EQ(Year.IsLeap, Case.Leap);
        if (Case.Molad != TMoonTime()) {
            EXPECT_EQ(Year.MoladTishrei, Case.Molad);
        }
        if (Case.Weekday) {
            EXPECT_EQ(Year.NewYearWeekday, Case.Weekday);
        }
        if (Case.Cheshvan) {
            EXPECT_EQ(Year.DaysInMonth(Cheshvan), Case.Cheshvan);
            EXPECT_EQ(Year.DaysInMonth(Kislev), Case.Kislev);
        }
        if (Case.Length) {
            EXPECT_EQ(YearLength(Year), Case.Length);
        }
        EXPECT_EQ(Year.NewYearDate, Case.NewYearDate);
        EXPECT_FALSE(Year.PortionsReady);
    }
}

TEST(JewishYear, ANewCalculatorIsEmptyAndIgnoresYearsBelowOne)
{
    TJewishYear Year;
    EXPECT_EQ(Year.Year, 0);
    EXPECT_EQ(Year.NewYearWeekday, 0);
    EXPECT_EQ(YearLength(Year), 0);
    for (const int Refused : {0, -1, INT_MIN}) {
        Year.SetYear(Refused);
        EXPECT_EQ(Year.Year, 0);
    }
    Year.SetYear(5758);
    Year.SetYear(0);
    Year.SetYearCore(-3);
    EXPECT_EQ(Year.Year, 5758);
    EXPECT_EQ(Year.NewYearDate, EncodeDate(1997, 10, 2));
}

TEST(JewishYear, YearsPastTheCalendarFailCleanlyAndChangeNothing)
{
    EXPECT_EQ(DecodeDate(YearOf(13775).NewYearDate).Year, 10014) << "the last year still gets its date";
    for (const int Beyond : {13776, 20000, 68000000, INT_MAX - 1, INT_MAX}) {
        SCOPED_TRACE(Beyond);
        TJewishYear Year = YearOf(5787);
        const TJewishYear Before = Year;
        try {
            Year.SetYear(Beyond);
            ADD_FAILURE() << "year was set";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
        }
        EXPECT_EQ(Year.Year, Before.Year);
        EXPECT_EQ(Year.MoladTishrei, Before.MoladTishrei);
        EXPECT_EQ(Year.MonthDays, Before.MonthDays);
        EXPECT_EQ(Year.NissanSeasonText, Before.NissanSeasonText);
        EXPECT_EQ(Year.NewYearDate, Before.NewYearDate);
    }
}

TEST(JewishYear, CoreFactsOfHugeYearsNeedNoOverflow)
{
    TJewishYear Year;
    Year.SetYearCore(INT_MAX);
    EXPECT_EQ(Year.Year, INT_MAX);
    EXPECT_TRUE(Year.NewYearWeekday == 2 || Year.NewYearWeekday == 3 || Year.NewYearWeekday == 5 ||
                Year.NewYearWeekday == 7);
    EXPECT_THROW(Year.NextMonth(Elul), EConvertError);
}

TEST(JewishYear, DaysInMonthIsZeroOutsideTheYear)
{
    const TJewishYear Common = YearOf(5758);
    EXPECT_EQ(Common.DaysInMonth(Adar2), 0);
    EXPECT_EQ(Common.DaysInMonth(Adar), 29);
    const TJewishYear Leap = YearOf(5787);
    EXPECT_EQ(Leap.DaysInMonth(Adar), 30);
    EXPECT_EQ(Leap.DaysInMonth(Adar2), 29);
    for (const int Month : {0, 14, -1, INT_MIN, INT_MAX})
        EXPECT_EQ(Leap.DaysInMonth(Month), 0);
}

TEST(JewishYear, MonthPositionsCountFromTishrei)
{
    const TJewishYear Common = YearOf(5758);
    const TJewishYear Leap = YearOf(5787);
    const int CommonOrder[] = {7, 8, 9, 10, 11, 12, 1, 2, 3, 4, 5, 6};
    const int LeapOrder[] = {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6};
    for (int Position = 1; Position <= 12; ++Position) {
        EXPECT_EQ(Common.MonthAtPosition(Position), CommonOrder[Position - 1]);
        EXPECT_EQ(Common.MonthPosition(CommonOrder[Position - 1]), Position);
    }
    for (int Position = 1; Position <= 13; ++Position) {
        EXPECT_EQ(Leap.MonthAtPosition(Position), LeapOrder[Position - 1]);
        EXPECT_EQ(Leap.MonthPosition(LeapOrder[Position - 1]), Position);
    }
}

TEST(JewishYear, StepsByMonthMoveTheYearAtTishreiAndElul)
{
    TJewishYear Year = YearOf(5757);  // leap
    EXPECT_EQ(Year.NextMonth(Adar), Adar2);
    EXPECT_EQ(Year.NextMonth(Adar2), Nissan);
    EXPECT_EQ(Year.PrevMonth(Nissan), Adar2);
    EXPECT_EQ(Year.Year, 5757);
    EXPECT_EQ(Year.NextMonth(Elul), Tishrei);
    EXPECT_EQ(Year.Year, 5758);
    EXPECT_EQ(Year.NextMonth(Adar), Nissan);
    EXPECT_EQ(Year.PrevMonth(Nissan), Adar);
    EXPECT_EQ(Year.PrevMonth(Tishrei), Elul);
    EXPECT_EQ(Year.Year, 5757);
    EXPECT_EQ(Year.NewYearDate, YearOf(5757).NewYearDate);
}

TEST(JewishYear, MonthMoladAddsWholeLunarMonthsToTishrei)
{
    const TJewishYear Common = YearOf(5758);
    EXPECT_EQ(Common.MonthMolad(0), std::nullopt);

    EXPECT_EQ(Common.MonthMolad(Tishrei), Common.MoladTishrei);
    const TMoonTime NissanMolad = *Common.MonthMolad(Nissan);
    EXPECT_EQ(Common.MonthMolad(Adar2), NissanMolad);

    TMoonTime Expected = Common.MoladTishrei;
    TMoonTime Month;
    Month.SetMonth();
    Month.MultiplyBy(6);
    Expected.Add(Month);
    EXPECT_EQ(NissanMolad, Expected);
}

TEST(JewishYear, WeekdayOfCountsAnyDayOfTheYear)
{
    const TJewishYear Year = YearOf(5758);
    EXPECT_EQ(Year.WeekdayOf(Tishrei, 1), 5);
    EXPECT_EQ(Year.WeekdayOf(Nissan, 15), 7);
    EXPECT_EQ(Year.WeekdayOf(Tishrei, 0), 4);
    EXPECT_EQ(Year.WeekdayOf(Tishrei, 8), 5);
    EXPECT_EQ(Year.WeekdayOf(Tishrei, -6), 5);
    EXPECT_GE(Year.WeekdayOf(Tishrei, INT_MAX), 1);
    EXPECT_GE(Year.WeekdayOf(Tishrei, INT_MIN), 1);
    EXPECT_EQ(Year.WeekdayOf(0, 1), 0);
    EXPECT_EQ(Year.WeekdayOf(14, 1), 0);
}

TEST(JewishYear, MonthNamesFollowTheLeapFlag)
{
    EXPECT_EQ(YearOf(5758).GetMonthNames()[12], "Adar");
    EXPECT_EQ(YearOf(5758).GetMonthNames()[13], "");
    EXPECT_EQ(YearOf(5787).GetMonthNames()[12], "Adar1");
    EXPECT_EQ(YearOf(5787).GetMonthNames()[13], "Adar2");
    EXPECT_EQ(YearOf(5787).GetMonthNames()[7], "Tishrei");
}

TEST(JewishYear, ChangingTheDiasporaFlagDropsThisCalculatorsSchedule)
{
    TJewishYear Year = YearOf(5758);
    Year.PortionsReady = true;
    Year.SetDiaspora(true);
    EXPECT_TRUE(Year.PortionsReady) << "the same value keeps the schedule";
    Year.SetDiaspora(false);
    EXPECT_FALSE(Year.PortionsReady);
    EXPECT_FALSE(Year.GetDiaspora());
    Year.SetDiaspora(true);
}

TEST(JewishYear, LeapYearsOfTheCycle)
{
    for (int InCycle = 0; InCycle <= 20; ++InCycle) {
        const bool Leap = InCycle == 3 || InCycle == 6 || InCycle == 8 || InCycle == 11 || InCycle == 14 ||
                          InCycle == 17 || InCycle == 19;
        EXPECT_EQ(LeapCycleTable(InCycle), Leap) << InCycle;
    }
}

}  // namespace
}  // namespace mirvane
