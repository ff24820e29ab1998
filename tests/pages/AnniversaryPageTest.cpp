#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "pages/AnniversaryPage.h"

namespace mirvane {
namespace {

TAnniversaryInput Input(std::string DateText, std::string TargetYear, std::string Years = "")
{
    TAnniversaryInput Input;
    Input.DateText = std::move(DateText);
    Input.TargetYearText = std::move(TargetYear);
    Input.YearsText = std::move(Years);
    Input.Today = EncodeDate(2026, 12, 6);
    return Input;
}

std::vector<std::string> Texts(const std::vector<TListedDate>& Lines)
{
    std::vector<std::string> Texts;
    for (const TListedDate& Line : Lines)
        Texts.push_back(Line.Text);
    return Texts;
}

std::string AnswerText(const TAnniversaryPage& Page)
{
    return Page.Answer ? Page.Answer->Text : std::string{};
}

void ExpectNothingShown(const TAnniversaryPage& Page)
{
    EXPECT_EQ(Page.JewishDate, "");
    EXPECT_FALSE(Page.Answer);
    EXPECT_FALSE(Page.ListShown);
}

TEST(AnniversaryPage, ListsTheAnniversaryOverSeveralYears)
{
    const TAnniversaryPage Page = ComputeAnniversaryPage(Input("1/12/70", "1995", "3"));
    EXPECT_EQ(Page.JewishDate, "3 Kislev 5731");
    EXPECT_EQ(AnswerText(Page), "Sunday 26 November 1995");
    EXPECT_EQ(Page.Answer->Date, EncodeDate(1995, 11, 26));
    EXPECT_TRUE(Page.ListShown);
    EXPECT_EQ(Texts(Page.Lines),
              (std::vector<std::string>{"Sunday 26 November 1995", "Thursday 14 November 1996",
                                        "Tuesday 2 December 1997"}));
}

TEST(AnniversaryPage, TheNightOptionMovesEveryLineOneDayEarlier)
{
    TAnniversaryInput Night = Input("1/12/70", "1995", "3");
    Night.Night = true;
    const TAnniversaryPage Page = ComputeAnniversaryPage(Night);
    EXPECT_EQ(Page.JewishDate, "3 Kislev 5731");
    EXPECT_EQ(Texts(Page.Lines),
              (std::vector<std::string>{"Saturday 25 November 1995", "Wednesday 13 November 1996",
                                        "Monday 1 December 1997"}));
    EXPECT_EQ(AnswerText(Page), "Saturday 25 November 1995");
}

TEST(AnniversaryPage, AnEventAfterSunsetBelongsToTheNextJewishDay)
{
    TAnniversaryInput AfterSunset = Input("1/12/70", "1995");
    AfterSunset.AfterSunset = true;
    TAnniversaryPage Page = ComputeAnniversaryPage(AfterSunset);
    EXPECT_EQ(Page.JewishDate, "4 Kislev 5731");
    EXPECT_EQ(AnswerText(Page), "Monday 27 November 1995");
    EXPECT_FALSE(Page.ListShown);
    EXPECT_EQ(Page.Lines.size(), 1u);
}

TEST(AnniversaryPage, TheEventsOwnYearGivesTheEventBack)
{
    TAnniversaryInput SameYear = Input("1/12/70", "1970");
    EXPECT_EQ(AnswerText(ComputeAnniversaryPage(SameYear)), "Tuesday 1 December 1970");
    SameYear.AfterSunset = true;
    TAnniversaryPage Page = ComputeAnniversaryPage(SameYear);
    EXPECT_EQ(Page.JewishDate, "4 Kislev 5731");
    EXPECT_EQ(AnswerText(Page), "Wednesday 2 December 1970");
    SameYear.Night = true;
    EXPECT_EQ(AnswerText(ComputeAnniversaryPage(SameYear)), "Tuesday 1 December 1970");
}

TEST(AnniversaryPage, AnAdarTwoEventKeepsToAdarTwoInLeapYears)
{
    const TAnniversaryPage Page = ComputeAnniversaryPage(Input("15/3/97", "1997", "5"));
    EXPECT_EQ(Page.JewishDate, "6 Adar2 5757");
    EXPECT_EQ(Texts(Page.Lines),
              (std::vector<std::string>{"Saturday 15 March 1997", "Wednesday 4 March 1998", "Monday 22 February 1999",
                                        "Monday 13 March 2000", "Thursday 1 March 2001"}));
}

TEST(AnniversaryPage, PlainAdarFollowsTheAdarChoiceInLeapYears)
{
    // 10 Adar 5758, a common year; 5760 is leap, 5761 common.
    TAnniversaryInput PlainAdar = Input("8/3/98", "2000", "2");
    ASSERT_EQ(ComputeAnniversaryPage(PlainAdar).JewishDate, "10 Adar 5758");
    PlainAdar.PlainAdarIsAdar2 = true;
    const TAnniversaryPage AdarTwo = ComputeAnniversaryPage(PlainAdar);
    PlainAdar.PlainAdarIsAdar2 = false;
    const TAnniversaryPage AdarOne = ComputeAnniversaryPage(PlainAdar);
    EXPECT_EQ(AnswerText(AdarTwo), "Friday 17 March 2000");
    EXPECT_EQ(AnswerText(AdarOne), "Wednesday 16 February 2000");
    EXPECT_EQ(AdarTwo.Lines.at(1), AdarOne.Lines.at(1));
    EXPECT_EQ(AdarOne.Lines.at(1).Date, JewishToDateTime(5761, Adar, 10));
}

TEST(AnniversaryPage, ListsUpToTwoHundredYears)
{
    const TAnniversaryPage Full = ComputeAnniversaryPage(Input("1/12/70", "1995", "200"));
    EXPECT_TRUE(Full.ListShown);
    ASSERT_EQ(Full.Lines.size(), 200u);
    EXPECT_EQ(Full.Lines.front(), *Full.Answer);
    EXPECT_EQ(Full.Lines.back().Date, JewishToDateTime(5756 + 199, Kislev, 3));
    for (const char* Years : {"201", "abc", "0", "-1", ""}) {
        const TAnniversaryPage Page = ComputeAnniversaryPage(Input("1/12/70", "1995", Years));
        EXPECT_FALSE(Page.ListShown) << Years;
        EXPECT_EQ(AnswerText(Page), "Sunday 26 November 1995") << Years;
    }
}

TEST(AnniversaryPage, EntriesThatAreNoDateShowNothing)
{
    for (const char* Text : {"", "31/4/70", "29/2/1970", "1/13/70", "1/12/00", "1/12", "1 Decem 70", "1 Dec 70 x",
                             "1/12/70/5", "1/12/70000", "1/12/10000"})
        ExpectNothingShown(ComputeAnniversaryPage(Input(Text, "1995", "3")));
    EXPECT_EQ(ComputeAnniversaryPage(Input("1/1/2048", "2048")).JewishDate, "15 Tevet 5808");
}

TEST(AnniversaryPage, ATargetYearThatIsNoNumberIsThisYear)
{
    const TAnniversaryPage Page = ComputeAnniversaryPage(Input("1/12/70", "abc"));
    EXPECT_EQ(Page.Answer->Date, JewishToDateTime(5787, Kislev, 3));
}

TEST(AnniversaryPage, YearsBeforeTheCalendarsFirstNewYearShowNoDate)
{
    // 1/12/70 is in 5731; the target year 1 gives 3762, whose 1 Tishrei the
    // calendar does not place.
    const TAnniversaryPage TooEarly = ComputeAnniversaryPage(Input("1/12/70", "1", "5"));
    EXPECT_EQ(TooEarly.JewishDate, "3 Kislev 5731");
    EXPECT_FALSE(TooEarly.Answer);
    EXPECT_FALSE(TooEarly.ListShown);
    EXPECT_TRUE(TooEarly.Lines.empty());
    const TAnniversaryPage FirstYear = ComputeAnniversaryPage(Input("1/12/70", "2"));
    EXPECT_EQ(FirstYear.Answer->Date, JewishToDateTime(3763, Kislev, 3));
    for (const char* Year : {"-5", "-2147483648"})
        EXPECT_FALSE(ComputeAnniversaryPage(Input("1/12/70", Year)).Answer) << Year;
}

TEST(AnniversaryPage, YearsPastTheCalendarsEndAreLeftOut)
{
    // 5731 + (10014 - 1970) = 13775, the last year of the calendar.
    const TAnniversaryPage LastYears = ComputeAnniversaryPage(Input("1/12/70", "10010", "10"));
    EXPECT_TRUE(LastYears.ListShown);
    ASSERT_EQ(LastYears.Lines.size(), 5u);
    EXPECT_EQ(LastYears.Lines.back().Date, JewishToDateTime(13775, Kislev, 3));
    for (const char* Year : {"10015", "2147483647"}) {
        const TAnniversaryPage Page = ComputeAnniversaryPage(Input("1/12/70", Year, "10"));
        EXPECT_EQ(Page.JewishDate, "3 Kislev 5731") << Year;
        EXPECT_FALSE(Page.Answer) << Year;
        EXPECT_FALSE(Page.ListShown) << Year;
    }
}

}  // namespace
}  // namespace mirvane
