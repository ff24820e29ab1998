#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/Festivals.h"
#include "engine/JewishYear.h"
#include "tests/engine/TestYear.h"

namespace mirvane {
namespace {

const std::vector<std::string> DiasporaNames = {
    "Erev Rosh Hashana", "Rosh Hashana day 1", "Rosh Hashana day 2", "Tzom Gedalia", "Erev YomKippur",
    "YomKippur day", "Erev Succot", "Succot day 1", "Succot day 2", "Succot day 3", "Succot day 4",
    "Succot day 5", "Succot day 6", "Hoshana Rabba", "Shmini Azteret", "Simchat Torah", "Erev Chanukah",
    "Chanukah day 1", "Chanukah day 2", "Chanukah day 3", "Chanukah day 4", "Chanukah day 5",
    "Chanukah day 6", "Chanukah day 7", "Chanukah day 8", "Asara B'Tevet", "Tu BiShvat", "Fast of Ester",
    "Purim Katan", "Purim", "Shushan Purim", "Erev Pessach", "Pessach day 1", "Pessach day 2",
    "Pessach day 3", "Pessach day 4", "Pessach day 5", "Pessach day 6", "Pessach day 7", "Pessach day 8",
    "Lag BaOmer", "Erev Shavuot", "Shavuot day 1", "Shavuot day 2", "17th of Tamuz", "Tisha B'Av"};

TEST(FillFestivalNames, FollowsTheRulesAndReplacesTheList)
{
    std::vector<std::string> Names = {"left over"};
    FillFestivalNames(Names, TRules::Diaspora);
    EXPECT_EQ(Names, DiasporaNames);

    FillFestivalNames(Names, TRules::Israel);
    std::vector<std::string> IsraelNames = DiasporaNames;
    std::erase_if(IsraelNames, [](const std::string& Name) {
        return Name == "Simchat Torah" || Name == "Pessach day 8" || Name == "Shavuot day 2";
    });
    ASSERT_EQ(IsraelNames.size(), 43U);
    EXPECT_EQ(Names, IsraelNames);

    FillFestivalNames(Names, TRules::Diaspora);
    EXPECT_EQ(Names, DiasporaNames);
}

struct DayCase {
    std::int32_t Year;
    std::int32_t Month;
    std::int32_t Day;
    bool InDiaspora;
    const char* Expected;
};

class FestivalOfDayTest : public testing::TestWithParam<DayCase> {};

TEST_P(FestivalOfDayTest, NamesTheFestivalThatHolds)
{
    const DayCase& Case = GetParam();
    EXPECT_EQ(YearOf(Case.Year, RulesOf(Case.InDiaspora)).FestivalOfDay(Case.Month, Case.Day), Case.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Festivals, FestivalOfDayTest,
    testing::Values(
        // 5764 is common and its 13 Adar a Saturday: the fast moves to Thursday.
        DayCase{5764, Adar, 11, true, "Fast of Ester"}, DayCase{5764, Adar, 13, true, ""},
        DayCase{5764, Adar, 14, true, "Purim"}, DayCase{5764, Adar, 15, true, "Shushan Purim"},
        DayCase{5764, Adar2, 14, true, ""},
        // 5771 is leap and its 13 Adar II a Saturday.
        DayCase{5771, Adar2, 11, true, "Fast of Ester"}, DayCase{5771, Adar2, 13, true, ""},
        DayCase{5771, Adar, 13, true, ""}, DayCase{5771, Adar, 14, true, "Purim Katan"},
        DayCase{5771, Adar, 15, true, ""}, DayCase{5771, Adar2, 14, true, "Purim"},
        DayCase{5771, Adar2, 15, true, "Shushan Purim"},
        // 5758 begins on a Thursday and has a 30-day Kislev.
        DayCase{5758, Tishrei, 3, true, ""}, DayCase{5758, Tishrei, 4, true, "Tzom Gedalia"},
        DayCase{5758, Tamuz, 17, true, ""}, DayCase{5758, Tamuz, 18, true, "17th of Tamuz"},
        DayCase{5758, Av, 9, true, ""}, DayCase{5758, Av, 10, true, "Tisha B'Av"},
        DayCase{5758, Kislev, 30, true, "Chanukah day 6"}, DayCase{5758, Tevet, 1, true, "Chanukah day 7"},
        DayCase{5758, Tevet, 2, true, "Chanukah day 8"}, DayCase{5758, Tevet, 3, true, ""},
        // 5765 has a 29-day Kislev.
        DayCase{5765, Kislev, 30, true, ""}, DayCase{5765, Tevet, 1, true, "Chanukah day 6"},
        DayCase{5765, Tevet, 3, true, "Chanukah day 8"},
        // 5759 begins on a Monday, so the fast stays on 3 Tishrei.
        DayCase{5759, Tishrei, 3, true, "Tzom Gedalia"}, DayCase{5759, Tishrei, 4, true, ""},
        // The three second festival days hold in the Diaspora only.
        DayCase{5758, Tishrei, 23, true, "Simchat Torah"}, DayCase{5758, Tishrei, 23, false, ""},
        DayCase{5758, Nissan, 22, true, "Pessach day 8"}, DayCase{5758, Nissan, 22, false, ""},
        DayCase{5758, Sivan, 7, true, "Shavuot day 2"}, DayCase{5758, Sivan, 7, false, ""},
        DayCase{5758, Tishrei, 22, false, "Shmini Azteret"}, DayCase{5758, Tishrei, 2, false, "Rosh Hashana day 2"},
        DayCase{5758, Elul, 29, true, "Erev Rosh Hashana"},
        // Days no entry has.
        DayCase{5758, Tishrei, 5, true, ""}, DayCase{5758, 0, 1, true, ""}, DayCase{5758, 14, 15, true, ""},
        DayCase{5758, INT_MIN, INT_MAX, true, ""}, DayCase{5758, Tishrei, INT_MIN, true, ""}));

struct FindCase {
    std::int32_t Year;
    const char* Name;
    bool InDiaspora;
    std::int32_t Month;
    std::int32_t Day;  // -1: not in that year
};

class FindFestivalTest : public testing::TestWithParam<FindCase> {};

TEST_P(FindFestivalTest, GivesTheDateInTheYearOrNothing)
{
    const FindCase& Case = GetParam();
    const std::optional<TJewishDate> Found = YearOf(Case.Year, RulesOf(Case.InDiaspora)).FindFestival(Case.Name);
    if (Case.Day == -1)
        EXPECT_FALSE(Found);
    else
        EXPECT_EQ(Found, (TJewishDate{Case.Year, Case.Month, Case.Day}));
}

INSTANTIATE_TEST_SUITE_P(
    Festivals, FindFestivalTest,
    testing::Values(FindCase{5758, "Tzom Gedalia", true, Tishrei, 4}, FindCase{5759, "Tzom Gedalia", true, Tishrei, 3},
                    FindCase{5758, "17th of Tamuz", true, Tamuz, 18}, FindCase{5758, "Tisha B'Av", true, Av, 10},
                    FindCase{5758, "Chanukah day 6", true, Kislev, 30}, FindCase{5765, "Chanukah day 6", true, Tevet, 1},
                    FindCase{5765, "Chanukah day 8", true, Tevet, 3}, FindCase{5764, "Fast of Ester", true, Adar, 11},
                    FindCase{5771, "Fast of Ester", true, Adar2, 11}, FindCase{5771, "Purim", true, Adar2, 14},
                    FindCase{5771, "Purim Katan", true, Adar, 14}, FindCase{5764, "Purim Katan", true, 0, -1},
                    FindCase{5764, "Purim", true, Adar, 14}, FindCase{5758, "Erev Rosh Hashana", true, Elul, 29},
                    FindCase{5758, "Simchat Torah", true, Tishrei, 23}, FindCase{5758, "Simchat Torah", false, 0, -1},
                    FindCase{5758, "Shavuot day 2", false, 0, -1}, FindCase{5758, "Pessach day 8", false, 0, -1},
                    FindCase{5758, "Shmini Azteret", false, Tishrei, 22}, FindCase{5764, "purim", true, 0, -1},
                    FindCase{5764, "Purim ", true, 0, -1}, FindCase{5764, "", true, 0, -1},
                    FindCase{5764, "Christmas", true, 0, -1}));

TEST(FestivalApplies, RuleCodesBeyondTwelveNeverHold)
{
    const TJewishYear Calculator = YearOf(5758);
    for (const int Rule : {13, 100, 255})
        EXPECT_FALSE(Calculator.FestivalApplies({Tishrei, 1, "Rosh Hashana day 1", static_cast<std::uint8_t>(Rule)}))
            << Rule;
    EXPECT_TRUE(Calculator.FestivalApplies({Tishrei, 1, "Rosh Hashana day 1", RuleFullFestival}));
}

TEST(FestivalApplies, WeekdayRulesLookAtTheEntrysOwnDate)
{
    // 1 Tishrei 5758 is a Thursday: 3 Tishrei a Saturday, 4 Tishrei a Sunday.
    const TJewishYear Calculator = YearOf(5758);
    ASSERT_EQ(Calculator.NewYearWeekday, 5);
    EXPECT_TRUE(Calculator.FestivalApplies({Tishrei, 1, "", RuleThursdayCommonYear}));
    EXPECT_FALSE(Calculator.FestivalApplies({Tishrei, 1, "", RuleThursdayLeapYear}));
    EXPECT_FALSE(Calculator.FestivalApplies({Tishrei, 3, "", RuleNotSaturday}));
    EXPECT_FALSE(Calculator.FestivalApplies({Tishrei, 3, "", RuleNotSaturdayCommonYear}));
    EXPECT_TRUE(Calculator.FestivalApplies({Tishrei, 4, "", RuleSunday}));
    EXPECT_TRUE(Calculator.FestivalApplies({Tishrei, 4, "", RuleNotSaturdayCommonYear}));
    EXPECT_FALSE(Calculator.FestivalApplies({Tishrei, 4, "", RuleNotSaturdayLeapYear}));
    // A month outside the year has no weekday, so no weekday rule holds.
    EXPECT_FALSE(Calculator.FestivalApplies({0, 1, "", RuleSunday}));
}

// Each calculator keeps the rules it was set up with, however the others
// are used in between, and through a change of year.
TEST(Rules, TwoCalculatorsSideBySideEachGiveTheirOwnAnswers)
{
    TJewishYear InDiaspora = YearOf(5758, TRules::Diaspora);
    TJewishYear InIsrael = YearOf(5758, TRules::Israel);
    for (const std::int32_t Year : {5758, 5759}) {
        InDiaspora.SetYear(Year);
        InIsrael.SetYear(Year);
        EXPECT_EQ(InDiaspora.FestivalOfDay(Tishrei, 23), "Simchat Torah");
        EXPECT_EQ(InIsrael.FestivalOfDay(Tishrei, 23), "");
    }
    InDiaspora.SetYear(5758);
    InIsrael.SetYear(5758);
    // 22 Nissan 5758 is a Saturday: the Diaspora's eighth day of Pessach,
    // Israel's first Saturday back at the weekly portions.
    EXPECT_EQ(InDiaspora.DayText(Nissan, 22), "Pessach day 8  ");
    EXPECT_EQ(InIsrael.DayText(Nissan, 22), " Shmini ");
    EXPECT_EQ(InDiaspora.DayText(Iyar, 20), " Emor ");
    EXPECT_EQ(InIsrael.DayText(Iyar, 20), " Behar ");
    EXPECT_TRUE(InDiaspora.GetDiaspora());
    EXPECT_FALSE(InIsrael.GetDiaspora());
}

}  // namespace
}  // namespace mirvane
