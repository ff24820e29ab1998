#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;
using testing::SnapshotOf;
using testing::TCountedGrid;

using TStep = std::function<void(TMonthGrid&)>;

const TStep NextMonth = [](TMonthGrid& Grid) { Grid.GoNextMonth(); };
const TStep PrevMonth = [](TMonthGrid& Grid) { Grid.GoPrevMonth(); };
const TStep NextYear = [](TMonthGrid& Grid) { Grid.GoNextYear(); };
const TStep PrevYear = [](TMonthGrid& Grid) { Grid.GoPrevYear(); };

TDateTime Jewish(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    return JewishToDateTime(Year, Month, Day);
}

struct TStepCase {
    const char* Name;
    TDateTime From;
    bool JewishSelected;
    TStep Step;
    TDateTime To;
};

class MonthStep : public ::testing::TestWithParam<TStepCase> {};

TEST_P(MonthStep, MovesInTheActiveCalendar)
{
    const TStepCase& Case = GetParam();
    for (const bool JewishPages : {false, true}) {
        TCountedGrid Counted(Case.From, Case.JewishSelected, JewishPages);
        Case.Step(Counted.Grid);
        EXPECT_EQ(Counted.Grid.CurrentDate(), Case.To) << (JewishPages ? "Jewish page" : "Gregorian page");
        EXPECT_EQ(Counted.Grid.JewishSelected(), Case.JewishSelected);
        EXPECT_EQ(Counted.Grid.ByJewishMonth(), JewishPages);
        EXPECT_EQ(Counted.Grid.SelectedCol(), Case.JewishSelected ? JewishColumn : GregorianColumn);
        EXPECT_EQ(Counted.Grid.CellDate(GregorianColumn, Counted.Grid.SelectedRow()).Day,
                  DecodeDate(Case.To).Day);
        EXPECT_GE(Counted.Changes, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, MonthStep,
    ::testing::Values(
        TStepCase{"DecemberToJanuary", Date(1999, 12, 15), false, NextMonth, Date(2000, 1, 15)},
        TStepCase{"JanuaryToDecember", Date(2000, 1, 31), false, PrevMonth, Date(1999, 12, 31)},
        TStepCase{"DecemberThirtyFirst", Date(1999, 12, 31), false, NextMonth, Date(2000, 1, 31)},
        TStepCase{"GregorianNextMonth", Date(2000, 3, 30), false, NextMonth, Date(2000, 4, 30)},
        TStepCase{"GregorianPrevMonth", Date(2000, 3, 29), false, PrevMonth, Date(2000, 2, 29)},
        TStepCase{"GregorianNextYear", Date(2000, 2, 28), false, NextYear, Date(2001, 2, 28)},
        TStepCase{"GregorianPrevYear", Date(2000, 9, 30), false, PrevYear, Date(1999, 9, 30)},
        TStepCase{"AdarIToAdarII", Jewish(5784, 12, 10), true, NextMonth, Jewish(5784, 13, 10)},
        TStepCase{"AdarIIToNissan", Jewish(5784, 13, 10), true, NextMonth, Jewish(5784, 1, 10)},
        TStepCase{"NissanBackToAdarII", Jewish(5784, 1, 10), true, PrevMonth, Jewish(5784, 13, 10)},
        TStepCase{"AdarIIBackToAdarI", Jewish(5784, 13, 10), true, PrevMonth, Jewish(5784, 12, 10)},
        TStepCase{"ShvatToAdarOfCommonYear", Jewish(5785, 11, 10), true, NextMonth, Jewish(5785, 12, 10)},
        TStepCase{"AdarToNissanOfCommonYear", Jewish(5785, 12, 10), true, NextMonth, Jewish(5785, 1, 10)},
        TStepCase{"NissanBackToAdarOfCommonYear", Jewish(5785, 1, 10), true, PrevMonth, Jewish(5785, 12, 10)},
        TStepCase{"ElulToTishreiOfNextYear", Jewish(5784, 6, 15), true, NextMonth, Jewish(5785, 7, 15)},
        TStepCase{"TishreiBackToElulOfPrevYear", Jewish(5785, 7, 15), true, PrevMonth, Jewish(5784, 6, 15)},
        TStepCase{"ThirtiethIntoShortMonth", Jewish(5785, 11, 30), true, NextMonth, Jewish(5785, 1, 1)},
        TStepCase{"AdarIIntoCommonYear", Jewish(5784, 12, 10), true, NextYear, Jewish(5785, 12, 10)},
        TStepCase{"AdarIntoLeapYear", Jewish(5786, 12, 10), true, NextYear, Jewish(5787, 12, 10)},
        TStepCase{"JewishPrevYear", Jewish(5785, 7, 1), true, PrevYear, Jewish(5784, 7, 1)}),
    [](const ::testing::TestParamInfo<TStepCase>& Info) { return std::string(Info.param.Name); });

// Which page kinds can show the date a case starts from.
enum class TPages { Both, GregorianOnly, JewishOnly };

struct TRefusalCase {
    const char* Name;
    TDateTime From;
    bool JewishSelected;
    TStep Step;
    const char* Message;
    TPages Pages = TPages::Both;
};

class RefusedStep : public ::testing::TestWithParam<TRefusalCase> {};

TEST_P(RefusedStep, LeavesTheGridAsItWas)
{
    const TRefusalCase& Case = GetParam();
    for (const bool JewishPages : {false, true}) {
        if (Case.Pages == (JewishPages ? TPages::GregorianOnly : TPages::JewishOnly))
            continue;
        TCountedGrid Counted(Case.From, Case.JewishSelected, JewishPages);
        const auto Before = SnapshotOf(Counted.Grid);
        try {
            Case.Step(Counted.Grid);
            ADD_FAILURE() << "not refused";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), Case.Message);
        }
        EXPECT_EQ(SnapshotOf(Counted.Grid), Before);
        EXPECT_EQ(Counted.Changes, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, RefusedStep,
    ::testing::Values(
        TRefusalCase{"January31NextMonth", Date(2000, 1, 31), false, NextMonth, InvalidDateEncodeText},
        TRefusalCase{"March31NextMonth", Date(2000, 3, 31), false, NextMonth, InvalidDateEncodeText},
        TRefusalCase{"March30PrevMonth", Date(2001, 3, 30), false, PrevMonth, InvalidDateEncodeText},
        TRefusalCase{"February29NextYear", Date(2000, 2, 29), false, NextYear, InvalidDateEncodeText},
        TRefusalCase{"February29PrevYear", Date(2000, 2, 29), false, PrevYear, InvalidDateEncodeText},
        TRefusalCase{"PastYear9999", Date(9999, 12, 15), false, NextMonth, InvalidDateEncodeText},
        TRefusalCase{"Year9999NextYear", Date(9999, 6, 15), false, NextYear, InvalidDateEncodeText},
        // The first pages: November of year 2 and Kislev 3763; Cheshvan 3763
        // begins before the first day with a Jewish date.
        TRefusalCase{"BeforeFirstPage", Date(2, 11, 15), false, PrevMonth, InvalidDateEncodeText,
                     TPages::GregorianOnly},
        TRefusalCase{"BeforeFirstJewishPage", Date(2, 12, 10), false, PrevMonth, InvalidDateEncodeText,
                     TPages::JewishOnly},
        TRefusalCase{"BeforeFirstPageByJewishMonth", Date(2, 11, 15), true, PrevMonth, InvalidDateEncodeText,
                     TPages::GregorianOnly},
        TRefusalCase{"AdarIINextYear", Jewish(5784, 13, 10), true, NextYear, InvalidJewishMonthText},
        TRefusalCase{"AdarIIPrevYear", Jewish(5784, 13, 10), true, PrevYear, InvalidJewishMonthText},
        // Years before 3763 have no dates; without the check they land in 1900.
        TRefusalCase{"BeforeJewishYear3763", Date(2, 12, 10), true, PrevYear, InvalidDateEncodeText},
        // 1 Tishrei 13775 falls in Gregorian year 10014: only Jewish pages.
        TRefusalCase{"PastLastJewishYear", Jewish(13775, 6, 10), true, NextMonth, InvalidDateEncodeText,
                     TPages::JewishOnly},
        TRefusalCase{"PastLastJewishYearByYear", Jewish(13775, 6, 10), true, NextYear, InvalidDateEncodeText,
                     TPages::JewishOnly},
        TRefusalCase{"GregorianPageOfYear10000", Jewish(13760, 6, 10), false, NextMonth, InvalidDateEncodeText,
                     TPages::JewishOnly}),
    [](const ::testing::TestParamInfo<TRefusalCase>& Info) { return std::string(Info.param.Name); });

TEST(RefusedPart, OutOfRangePartsAreRefusedOrIgnored)
{
    constexpr std::int32_t Huge = std::numeric_limits<std::int32_t>::max();
    struct TPartCase {
        std::function<void(TMonthGrid&)> Change;
        bool Throws;
    };
    const TPartCase Cases[] = {
        {[](TMonthGrid& Grid) { Grid.SetGregorianPart(YearPart, Huge); }, true},
        {[](TMonthGrid& Grid) { Grid.SetGregorianPart(MonthPart, 13); }, true},
        {[](TMonthGrid& Grid) { Grid.SetGregorianPart(DayPart, 32); }, true},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(YearPart, Huge); }, true},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(YearPart, 3762); }, true},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(MonthPart, 14); }, true},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(MonthPart, Huge); }, true},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(DayPart, Huge); }, true},
        {[](TMonthGrid& Grid) { Grid.SetDate(std::nan("")); }, true},
        {[](TMonthGrid& Grid) { Grid.SetDate(std::numeric_limits<double>::infinity()); }, true},
        {[](TMonthGrid& Grid) { Grid.SetDate(1e300); }, true},
        {[](TMonthGrid& Grid) { Grid.SetDate(-1e6); }, true},
        {[](TMonthGrid& Grid) { Grid.SetGregorianPart(MonthPart, 0); }, false},
        {[](TMonthGrid& Grid) { Grid.SetGregorianPart(4, 5); }, false},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(DayPart, -5); }, false},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(0, 5); }, false},
        {[](TMonthGrid& Grid) { Grid.SetJewishPart(DayPart, std::numeric_limits<std::int32_t>::min()); }, false},
    };
    for (const bool JewishPages : {false, true}) {
        for (std::size_t Index = 0; Index < std::size(Cases); ++Index) {
            TCountedGrid Counted(Date(2000, 1, 31), false, JewishPages);
            const auto Before = SnapshotOf(Counted.Grid);
            if (Cases[Index].Throws)
                EXPECT_THROW(Cases[Index].Change(Counted.Grid), EConvertError) << Index;
            else
                EXPECT_NO_THROW(Cases[Index].Change(Counted.Grid)) << Index;
            EXPECT_EQ(SnapshotOf(Counted.Grid), Before) << Index;
            EXPECT_EQ(Counted.Changes, 0) << Index;
        }
    }
}

TEST(Parts, ReadTheSelectedDateInEitherCalendar)
{
    const TMonthGrid Grid(Date(2026, 12, 6));
    EXPECT_EQ(Grid.CurrentGregorianDate(), (TGregorianDate{2026, 12, 6}));
    EXPECT_EQ(Grid.CurrentJewishDate(), (TJewishDate{5787, Kislev, 26}));
}

TEST(Parts, SettingAPartMakesItsCalendarActive)
{
    TCountedGrid Counted(Date(2000, 4, 15));  // 10 Nissan 5760
    Counted.Grid.SetJewishPart(YearPart, 5761);
    EXPECT_TRUE(Counted.Grid.JewishSelected());
    EXPECT_EQ(Counted.Grid.CurrentDate(), Jewish(5761, 1, 10));
    Counted.Grid.SetGregorianPart(DayPart, 1);
    EXPECT_FALSE(Counted.Grid.JewishSelected());
    EXPECT_EQ(Counted.Grid.CurrentDate(), Date(2001, 4, 1));
    Counted.Grid.SetJewishPart(MonthPart, 2);
    EXPECT_EQ(Counted.Grid.CurrentDate(), Jewish(5761, 2, 8));
    // A Jewish day beyond its month counts on into the next: Iyar has 29.
    Counted.Grid.SetJewishPart(DayPart, 30);
    EXPECT_EQ(Counted.Grid.CurrentDate(), Jewish(5761, 3, 1));
    EXPECT_EQ(Counted.Changes, 4);
}

TEST(Parts, SetDateKeepsTheActiveCalendar)
{
    TCountedGrid Counted(Date(2000, 3, 15), true);
    Counted.Grid.SetDate(Date(2010, 7, 4));
    EXPECT_TRUE(Counted.Grid.JewishSelected());
    EXPECT_EQ(Counted.Grid.SelectedCol(), JewishColumn);
    EXPECT_EQ(Counted.Grid.SelectedRow(), 5);
    EXPECT_EQ(Counted.Changes, 1);
}

TEST(PageKind, StepsIgnoreThePageKind)
{
    // A Jewish page with the Gregorian column active steps by Gregorian month.
    TCountedGrid Counted(Date(2000, 9, 15), false, true);
    Counted.Grid.GoNextMonth();
    EXPECT_EQ(Counted.Grid.CurrentDate(), Date(2000, 10, 15));
    EXPECT_EQ(Counted.Grid.Page().FirstJewishMonth, 7);
    EXPECT_EQ(Counted.Grid.Page().FirstDate, Jewish(5761, 7, 1));
}

TEST(PageKind, SwitchingKeepsDateAndColumnAndNotifiesOnlyOnChange)
{
    TCountedGrid Counted(Date(2000, 9, 15), true);
    Counted.Grid.SetJewishMonthMode(false);
    EXPECT_EQ(Counted.Changes, 0);
    Counted.Grid.SetJewishMonthMode(true);
    EXPECT_EQ(Counted.Changes, 1);
    EXPECT_EQ(Counted.Grid.Page().FirstDate, Date(2000, 9, 1));
    Counted.Grid.SetJewishMonthMode(true);
    EXPECT_EQ(Counted.Changes, 1);
    Counted.Grid.SetJewishMonthMode(false);
    EXPECT_EQ(Counted.Changes, 2);
    EXPECT_EQ(Counted.Grid.CurrentDate(), Date(2000, 9, 15));
    EXPECT_TRUE(Counted.Grid.JewishSelected());
    EXPECT_EQ(Counted.Grid.SelectedCol(), JewishColumn);
    EXPECT_EQ(Counted.Grid.SelectedRow(), 16);
}

TEST(PageKind, ASwitchThatCannotBeShownIsRefused)
{
    // 1 Tishrei 13775 lies in Gregorian year 10014, which has no Gregorian page.
    TMonthGrid Grid(Date(9999, 12, 1), true);
    Grid.SetJewishPart(YearPart, 13775);
    const auto Before = SnapshotOf(Grid);
    EXPECT_THROW(Grid.SetJewishMonthMode(false), EConvertError);
    EXPECT_EQ(SnapshotOf(Grid), Before);
}

TEST(Diaspora, ChangeDiasporaAlwaysNotifies)
{
    TCountedGrid Counted(Date(2000, 9, 15));
    const auto Before = SnapshotOf(Counted.Grid);
    Counted.Grid.ChangeDiaspora(true);
    EXPECT_EQ(Counted.Changes, 1);
    Counted.Grid.ChangeDiaspora(false);
    EXPECT_EQ(Counted.Grid.Rules(), TRules::Israel);
    Counted.Grid.ChangeDiaspora(true);
    EXPECT_EQ(Counted.Grid.Rules(), TRules::Diaspora);
    EXPECT_EQ(Counted.Changes, 3);
    EXPECT_EQ(SnapshotOf(Counted.Grid), Before);
}

TEST(Notification, HandlersSeeTheFinalStateAndMayCallBack)
{
    // Like the Calendar page: the handler writes the year back in the active
    // calendar, which lands on the same date.
    TMonthGrid Grid(Date(2000, 3, 15));
    int Calls = 0;
    Grid.OnChange = [&Calls](TMonthGrid& Sender) {
        if (++Calls > 10)
            return;
        EXPECT_EQ(Sender.SelectedRow(), Sender.CurrentGregorianDate().Day + 1);
        if (Calls == 1)
            Sender.SetGregorianPart(YearPart, Sender.CurrentGregorianDate().Year);
    };
    Grid.GoNextYear();
    EXPECT_EQ(Calls, 2);
    EXPECT_EQ(Grid.CurrentDate(), Date(2001, 3, 15));
}

}  // namespace
}  // namespace mirvane
