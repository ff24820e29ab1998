#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/HebrewDateText.h"
#include "engine/HebrewNames.h"
#include "tests/engine/TestYear.h"

namespace mirvane {
namespace {

std::string Lower(std::string_view Text)
{
    std::string Result(Text);
    std::ranges::transform(Result, Result.begin(), [](unsigned char C) { return static_cast<char>(std::tolower(C)); });
    return Result;
}

// Two entries share a Hebrew name exactly when they share the English one
// (for portions, regardless of case: the two spellings of וילך).
template <typename TEnglish, typename THebrew>
void ExpectSameSharing(const TEnglish& English, const THebrew& Hebrew, bool IgnoreCase)
{
    ASSERT_EQ(English.size(), Hebrew.size());
    for (std::size_t First = 0; First < English.size(); ++First) {
        for (std::size_t Second = First + 1; Second < English.size(); ++Second) {
            const bool SameEnglish = IgnoreCase ? Lower(English[First]) == Lower(English[Second])
                                                : English[First] == English[Second];
            EXPECT_EQ(SameEnglish, Hebrew[First] == Hebrew[Second])
                << English[First] << " / " << English[Second] << ": " << Hebrew[First] << " / " << Hebrew[Second];
        }
    }
}

TEST(HebrewNames, EveryFestivalHasItsOwnName)
{
    std::array<std::string_view, FestivalCount> English;
    for (std::size_t Index = 0; Index < FestivalCount; ++Index) {
        English[Index] = Festivals[Index].Name;
        EXPECT_FALSE(HebrewFestivalNames[Index].empty()) << English[Index];
    }
    ExpectSameSharing(English, HebrewFestivalNames, false);
}

TEST(HebrewNames, EveryPortionHasItsOwnName)
{
    EXPECT_TRUE(HebrewPortionNames[0].empty());
    for (std::size_t Index = 1; Index < PortionCount; ++Index)
        EXPECT_FALSE(HebrewPortionNames[Index].empty()) << PortionNames[Index];
    ExpectSameSharing(PortionNames, HebrewPortionNames, true);
}

TEST(HebrewNames, MonthTablesMatchTheEnglishOnes)
{
    for (std::size_t Month = 0; Month < 14; ++Month) {
        EXPECT_EQ(HebrewMonthNames[Month].empty(), JewishMonthNames[Month].empty()) << Month;
        EXPECT_EQ(HebrewMonthNamesLeap[Month].empty(), JewishMonthNamesLeap[Month].empty()) << Month;
    }
    EXPECT_EQ(HebrewMonthNamesLeap[Adar], "אדר א׳");
    EXPECT_EQ(HebrewMonthNamesLeap[Adar2], "אדר ב׳");
    EXPECT_EQ(HebrewMonthNames[Adar], "אדר");
}

TEST(HebrewNames, FestivalNamesTranslateBothWays)
{
    EXPECT_EQ(HebrewFestivalName("Purim"), "פורים");
    EXPECT_EQ(HebrewFestivalName("Erev Rosh Hashana"), "ערב ראש השנה");
    EXPECT_EQ(HebrewFestivalName("Simchat Torah"), "שמחת תורה");
    EXPECT_EQ(HebrewFestivalName("No such day"), "");
    EXPECT_EQ(EnglishFestivalName("פורים"), "Purim");
    EXPECT_EQ(EnglishFestivalName("Purim"), "Purim");
    EXPECT_EQ(EnglishFestivalName("חנוכה ח׳"), "Chanukah day 8");
    EXPECT_EQ(EnglishFestivalName("פורים "), "");
    for (const TFestival& Festival : Festivals)
        EXPECT_EQ(EnglishFestivalName(HebrewFestivalName(Festival.Name)), Festival.Name);
}

TEST(HebrewJewishDateText, DayMonthAndYearInLetters)
{
    EXPECT_EQ(HebrewJewishDateText(5731, Kislev, 3), "ג׳ כסלו תשל״א");
    EXPECT_EQ(HebrewJewishDateText(5784, Adar, 15), "ט״ו אדר א׳ תשפ״ד");
    EXPECT_EQ(HebrewJewishDateText(5784, Adar2, 14), "י״ד אדר ב׳ תשפ״ד");
    EXPECT_EQ(HebrewJewishDateText(5785, Adar, 30), "ל׳ אדר תשפ״ה");
    EXPECT_EQ(HebrewJewishDateText(6000, Tishrei, 1), "א׳ תשרי ו׳ אלפים");
    EXPECT_EQ(HebrewMonthName(5785, Adar2), "");
    EXPECT_EQ(HebrewMonthName(5785, 14), "");
}

struct DayTextCase {
    std::int32_t Year;
    std::int32_t Month;
    std::int32_t Day;
    bool InDiaspora;
    const char* English;  // the calculator's own text, to pin the day
    const char* Hebrew;
};

TEST(HebrewDayText, FestivalAndPortionsAsTheEnglishText)
{
    const DayTextCase Cases[] = {
        {5785, Kislev, 25, true, "Chanukah day 1", "חנוכה א׳"},
        {5785, Kislev, 27, true, "Chanukah day 3 Miketz ", "חנוכה ג׳ מקץ"},
        {5786, Adar, 25, true, " Vayakel Pkudei", "ויקהל-פקודי"},
        {5785, Adar, 14, true, "Purim", "פורים"},
        {5785, Tishrei, 23, true, "Simchat Torah", "שמחת תורה"},
        {5785, Tishrei, 23, false, "", ""},
        {5785, Tishrei, 25, true, "", ""},
        {5785, Tishrei, 24, true, " Breishit ", "בראשית"},
        {5785, Cheshvan, 1, true, " Noah ", "נח"},
    };
    for (const DayTextCase& Case : Cases) {
        TJewishYear Calculator = YearOf(Case.Year, RulesOf(Case.InDiaspora));
        EXPECT_EQ(Calculator.DayText(Case.Month, Case.Day), Case.English) << Case.Month << '/' << Case.Day;
        EXPECT_EQ(HebrewDayText(Calculator, Case.Month, Case.Day), Case.Hebrew) << Case.Month << '/' << Case.Day;
    }
}

// Every day of some years: the Hebrew text is empty exactly when the English
// one is blank, and holds a hyphen exactly when two portions are read.
TEST(HebrewDayText, FollowsTheEnglishTextThroughWholeYears)
{
    for (const bool InDiaspora : {true, false}) {
        for (std::int32_t Year = 5780; Year <= 5800; ++Year) {
            TJewishYear Calculator = YearOf(Year, RulesOf(InDiaspora));
            for (const TJewishDate& Date : DaysOfYear(Calculator)) {
                const std::string English = Calculator.DayText(Date.Month, Date.Day);
                const std::string Hebrew = HebrewDayText(Calculator, Date.Month, Date.Day);
                const bool Blank = English.find_first_not_of(' ') == std::string::npos;
                EXPECT_EQ(Hebrew.empty(), Blank) << Year << ' ' << Date.Month << ' ' << Date.Day;
                EXPECT_EQ(Hebrew.find('-') != std::string::npos,
                          Calculator.PortionsOfDay(Date.Month, Date.Day).JoinedPortion != 0);
            }
        }
    }
}

}  // namespace
}  // namespace mirvane
