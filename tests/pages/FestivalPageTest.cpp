#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "pages/FestivalPage.h"
#include "pages/LuachDayNames.h"

namespace mirvane {
namespace {

TFestivalInput Input(std::string Name, std::string Year, std::string Years = "", TRules Rules = TRules::Diaspora)
{
    TFestivalInput Input;
    Input.Rules = Rules;
    Input.Name = std::move(Name);
    Input.YearText = std::move(Year);
    Input.YearsText = std::move(Years);
    Input.Today = EncodeDate(2026, 12, 6);
    return Input;
}

std::string AnswerText(const TFestivalPage& Page)
{
    return Page.Answer ? Page.Answer->Text : std::string{};
}

std::vector<std::string> Texts(const TFestivalPage& Page)
{
    std::vector<std::string> Texts;
    for (const TListedDate& Line : Page.Lines)
        Texts.push_back(Line.Text);
    return Texts;
}

void ExpectNothingShown(const TFestivalPage& Page)
{
    EXPECT_FALSE(Page.Answer);
    EXPECT_FALSE(Page.ListShown);
    EXPECT_TRUE(Page.Lines.empty());
}

TEST(FestivalPage, AutumnFestivalsFallInTheChosenYearsAutumn)
{
    const std::pair<const char*, const char*> Cases[] = {
        {"Rosh Hashana day 1", "Monday 25 September 1995"},
        {"Pessach day 1", "Saturday 15 April 1995"},
        {"Erev Rosh Hashana", "Sunday 24 September 1995"},
    };
    for (const auto& [Name, Date] : Cases)
        EXPECT_EQ(AnswerText(ComputeFestivalPage(Input(Name, "1995"))), Date) << Name;
    EXPECT_EQ(AnswerText(ComputeFestivalPage(Input("Asara B'Tevet", "2024"))), "Friday 10 January 2025");
}

TEST(FestivalPage, ListsTheFestivalOverSeveralYears)
{
    const TFestivalPage Page = ComputeFestivalPage(Input("Purim", "1995", "5"));
    EXPECT_EQ(AnswerText(Page), "Thursday 16 March 1995");
    EXPECT_EQ(Page.Answer->Date, EncodeDate(1995, 3, 16));
    EXPECT_TRUE(Page.ListShown);
    EXPECT_EQ(Texts(Page), (std::vector<std::string>{"Thursday 16 March 1995", "Tuesday 5 March 1996",
                                                     "Sunday 23 March 1997", "Thursday 12 March 1998",
                                                     "Tuesday 2 March 1999"}));
    const TFestivalPage Longest = ComputeFestivalPage(Input("Purim", "1995", "200"));
    EXPECT_EQ(Longest.Lines.size(), 200u);
    for (const char* Years : {"201", "abc", "0"})
        EXPECT_FALSE(ComputeFestivalPage(Input("Purim", "1995", Years)).ListShown) << Years;
}

TEST(FestivalPage, PurimKatanOnlyInLeapYears)
{
    // 5755 (1995) is leap, 5756 (1996) common.
    const TFestivalPage Leap = ComputeFestivalPage(Input("Purim Katan", "1995", "19"));
    ASSERT_TRUE(Leap.Answer);
    EXPECT_EQ(Leap.Answer->Date, JewishToDateTime(5755, Adar, 14));
    EXPECT_EQ(Leap.Lines.size(), 7u);
    ExpectNothingShown(ComputeFestivalPage(Input("Purim Katan", "1996", "19")));
}

TEST(FestivalPage, NamesMustMatchExactly)
{
    for (const char* Name : {"purim", "PURIM", "Purim ", "", "Hanukkah"})
        ExpectNothingShown(ComputeFestivalPage(Input(Name, "1995", "5")));
}

TEST(FestivalPage, IsraelHasNoSimchatTorah)
{
    std::vector<std::string> Names;
    FillFestivalNames(Names, TRules::Israel);
    EXPECT_EQ(std::find(Names.begin(), Names.end(), "Simchat Torah"), Names.end());
    ExpectNothingShown(ComputeFestivalPage(Input("Simchat Torah", "1995", "", TRules::Israel)));
    EXPECT_TRUE(ComputeFestivalPage(Input("Shmini Azteret", "1995", "", TRules::Israel)).Answer);
}

// Dates as @hebcal/core gives them (tests/luach/fixtures).
TEST(FestivalPage, FindsRoshChodeshTheNationalAndTheMinorDaysLikeTheFestivals)
{
    const struct {
        const char* Name;
        const char* Year;
        const char* Date;
    } Cases[] = {
        {"Yom HaAtzma'ut", "2027", "Wednesday 12 May 2027"},
        {"Rosh Chodesh Shvat", "2027", "Saturday 9 January 2027"},
        {"Pesach Sheni", "2027", "Friday 21 May 2027"},
        {"Sigd", "2026", "Monday 9 November 2026"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(AnswerText(ComputeFestivalPage(Input(Case.Name, Case.Year))), Case.Date) << Case.Name;
    EXPECT_EQ(AnswerText(ComputeFestivalPage(Input("יום העצמאות", "2027"))), "Wednesday 12 May 2027");
    EXPECT_EQ(AnswerText(ComputeFestivalPage(Input("Yom HaAtzma'ut — יום העצמאות", "2027"))), "Wednesday 12 May 2027");
    const auto& Names = LuachDayNames(TRules::Diaspora);
    EXPECT_NE(std::find_if(Names.begin(), Names.end(), [](const TLuachDayName& Day) { return Day.English == "Birkat HaChamah"; }),
              Names.end());
}

TEST(FestivalPage, AYearThatIsNoNumberIsThisYear)
{
    EXPECT_EQ(ComputeFestivalPage(Input("Pessach day 1", "abc")).Answer->Date, JewishToDateTime(5786, Nissan, 15));
}

TEST(FestivalPage, YearsBeforeTheCalendarsFirstNewYearShowNoDate)
{
    // The year 2 asks Pessach of 3762 but Rosh Hashana of 3763.
    ExpectNothingShown(ComputeFestivalPage(Input("Pessach day 1", "2", "5")));
    ExpectNothingShown(ComputeFestivalPage(Input("Rosh Hashana day 1", "1", "5")));
    const TFestivalPage First = ComputeFestivalPage(Input("Rosh Hashana day 1", "2", "3"));
    EXPECT_EQ(First.Lines.size(), 3u);
    EXPECT_EQ(First.Answer->Date, JewishToDateTime(3763, Tishrei, 1));
    for (const char* Year : {"0", "-3760", "-2147483648"})
        ExpectNothingShown(ComputeFestivalPage(Input("Rosh Hashana day 1", Year, "5")));
}

TEST(FestivalPage, YearsPastTheCalendarsEndAreLeftOut)
{
    // 10015 + 3760 = 13775, the last year of the calendar.
    const TFestivalPage Last = ComputeFestivalPage(Input("Pessach day 1", "10013", "10"));
    EXPECT_EQ(Last.Lines.size(), 3u);
    EXPECT_EQ(Last.Lines.back().Date, JewishToDateTime(13775, Nissan, 15));
    ExpectNothingShown(ComputeFestivalPage(Input("Rosh Hashana day 1", "10015", "5")));
    ExpectNothingShown(ComputeFestivalPage(Input("Pessach day 1", "10016")));
    ExpectNothingShown(ComputeFestivalPage(Input("Pessach day 1", "2147483647")));
}

}  // namespace
}  // namespace mirvane
