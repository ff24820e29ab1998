#include <gtest/gtest.h>

#include <string>

#include "engine/ConvertError.h"
#include "engine/JewishYear.h"
#include "pages/YearDetailsPage.h"

namespace mirvane {
namespace {

TYearDetailsPage Details(std::string YearText, std::int32_t MonthIndex = -1, std::int32_t ShownYear = 0)
{
    return ComputeYearDetails({std::move(YearText), MonthIndex, ShownYear});
}

TEST(YearDetailsPage, ALeapYear)
{
    const TYearDetailsPage Page = Details("5787");
    EXPECT_EQ(Page.Year, 5787);
    EXPECT_EQ(Page.CycleNumber, "305");
    EXPECT_EQ(Page.YearInCycle, "11");
    EXPECT_TRUE(Page.IsLeap);
    EXPECT_EQ(Page.MoladDays, "0");
    EXPECT_EQ(Page.MoladHours, "2");
    EXPECT_EQ(Page.MoladParts, "1063");
    EXPECT_EQ(Page.FirstDayWeekday, "Saturday");
    EXPECT_EQ(Page.FirstDayDate, "Saturday 12 September 2026");
    EXPECT_EQ(Page.SeasonTime, "197d 2h 776p 24f");
    EXPECT_EQ(Page.SeasonDay, "19 Adar2");
    EXPECT_EQ(Page.CheshvanDays, "30");
    EXPECT_EQ(Page.KislevDays, "30");
    EXPECT_EQ(Page.AdarEntry, "Adar1");
    EXPECT_EQ(Page.SecondAdarEntry, "Adar2");
}

TEST(YearDetailsPage, ACommonYear)
{
    const TYearDetailsPage Page = Details(" 5758 ");
    EXPECT_EQ(Page.CycleNumber, "304");
    EXPECT_EQ(Page.YearInCycle, "1");
    EXPECT_FALSE(Page.IsLeap);
    EXPECT_EQ(Page.MoladDays + ' ' + Page.MoladHours + ' ' + Page.MoladParts, "5 4 129");
    EXPECT_EQ(Page.FirstDayWeekday, "Thursday");
    EXPECT_EQ(Page.FirstDayDate, "Thursday 2 October 1997");
    EXPECT_EQ(Page.SeasonTime, "176d 22h 1005p 0f");
    EXPECT_EQ(Page.SeasonDay, "29 Adar");
    EXPECT_EQ(Page.CheshvanDays, "29");
    EXPECT_EQ(Page.KislevDays, "30");
    EXPECT_EQ(Page.AdarEntry, "Adar");
    EXPECT_EQ(Page.SecondAdarEntry, "");
}

TEST(YearDetailsPage, TheChosenMonthsLengthAndMolad)
{
    const TMonthDetails None = Details("5758").Month;
    EXPECT_EQ(None.Days, "0");
    EXPECT_EQ(None.MoladDays + ' ' + None.MoladHours + ' ' + None.MoladParts, "0 0 0");
    EXPECT_EQ(None.MoladText, TMoonTime{}.MoladText());

    const TYearDetailsPage Tishrei = Details("5758", 6);
    EXPECT_EQ(Tishrei.Month.Days, "30");
    EXPECT_EQ(Tishrei.Month.MoladDays, Tishrei.MoladDays);
    EXPECT_EQ(Tishrei.Month.MoladHours, Tishrei.MoladHours);
    EXPECT_EQ(Tishrei.Month.MoladParts, Tishrei.MoladParts);

    const TMonthDetails Nissan = Details("5758", 0).Month;
    TMoonTime SixMonthsOn{5, 4, 129};
    TMoonTime Month;
    Month.SetMonth();
    for (int Count = 0; Count < 6; ++Count)
        SixMonthsOn.Add(Month);
    EXPECT_EQ(Nissan.Days, "30");
    EXPECT_EQ(Nissan.MoladText, SixMonthsOn.MoladText());

    // The blank thirteenth entry of a common year: no days, and the molad
    // of the seventh month from Tishrei, as for Nissan.
    const TMonthDetails Blank = Details("5758", 12).Month;
    EXPECT_EQ(Blank.Days, "0");
    EXPECT_EQ(Blank.MoladText, Nissan.MoladText);
    EXPECT_EQ(Details("5787", 12).Month.Days, "29");
    for (const std::int32_t Index : {13, -2, 1000})
        EXPECT_EQ(Details("5758", Index).Month.Days, "0") << Index;
}

TEST(YearDetailsPage, TheFirstYearHasNoDateForItsNewYear)
{
    const TYearDetailsPage Page = Details("1");
    EXPECT_EQ(Page.CycleNumber, "1");
    EXPECT_EQ(Page.YearInCycle, "1");
    EXPECT_EQ(Page.MoladDays + ' ' + Page.MoladHours + ' ' + Page.MoladParts, "2 5 204");
    EXPECT_EQ(Page.FirstDayWeekday, "Monday");
    EXPECT_EQ(Page.FirstDayDate, "");
    EXPECT_EQ(Details("3762").FirstDayDate, "");
    EXPECT_NE(Details("3763").FirstDayDate, "");
}

TEST(YearDetailsPage, AYearTextThatNamesNoYearKeepsTheShownYear)
{
    const TYearDetailsPage Shown = Details("5758");
    for (const char* Text : {"", "abc", "0", "-3", "57 58", "99999999999"}) {
        const TYearDetailsPage Page = Details(Text, -1, 5758);
        EXPECT_EQ(Page.Year, 5758) << Text;
        EXPECT_EQ(Page.FirstDayDate, Shown.FirstDayDate) << Text;
        EXPECT_EQ(Page.SeasonTime, Shown.SeasonTime) << Text;
    }
}

TEST(YearDetailsPage, YearsPastTheCalendarsEndRaiseAConversionError)
{
    EXPECT_EQ(Details("13775").Year, 13775);
    for (const char* Text : {"13776", "2147483647"}) {
        try {
            Details(Text, -1, 5758);
            ADD_FAILURE() << Text << " was computed";
        } catch (const EConvertError& Error) {
            EXPECT_STREQ(Error.what(), "Invalid argument to date encode");
        }
    }
}

}  // namespace
}  // namespace mirvane
