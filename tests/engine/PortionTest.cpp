#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/JewishYear.h"
#include "engine/Portions.h"
#include "tests/engine/TestYear.h"

namespace mirvane {
namespace {

struct SaturdayText {
    std::int32_t Month;
    std::int32_t Day;
    const char* Text;
};

void ExpectTexts(TJewishYear& Calculator, const std::vector<SaturdayText>& Expected)
{
    for (const SaturdayText& Saturday : Expected)
        EXPECT_EQ(Calculator.DayText(Saturday.Month, Saturday.Day), Saturday.Text)
            << Saturday.Day << "." << Saturday.Month;
}

TEST(DayText, SaturdaysOf5758InTheDiaspora)
{
    TJewishYear Calculator = YearOf(5758);
    ExpectTexts(Calculator, {{Tishrei, 3, " Haazinu "},
                             {Tishrei, 10, "YomKippur day  "},
                             {Tishrei, 17, "Succot day 3  "},
                             {Tishrei, 24, " Breishit "},
                             {Kislev, 28, "Chanukah day 4 Miketz "},
                             {Nissan, 1, " VaYikra "},
                             {Nissan, 8, " Tzav "},
                             {Nissan, 15, "Pessach day 1  "},
                             {Nissan, 22, "Pessach day 8  "},
                             {Nissan, 29, " Shmini "},
                             {Iyar, 6, " Tazria Metzora"},
                             {Iyar, 13, " Achrei Kedoshim"},
                             {Iyar, 20, " Emor "},
                             {Iyar, 27, " Behar Bechutotai"},
                             {Sivan, 5, "Erev Shavuot Bamidbar "}});
}

TEST(DayText, SaturdaysOf5758InIsrael)
{
    TJewishYear Calculator = YearOf(5758, RulesOf(false));
    ExpectTexts(Calculator, {{Tishrei, 3, " Haazinu "},
                             {Tishrei, 10, "YomKippur day  "},
                             {Tishrei, 17, "Succot day 3  "},
                             {Tishrei, 24, " Breishit "},
                             {Nissan, 1, " VaYikra "},
                             {Nissan, 8, " Tzav "},
                             {Nissan, 15, "Pessach day 1  "},
                             {Nissan, 22, " Shmini "},
                             {Nissan, 29, " Tazria Metzora"},
                             {Iyar, 6, " Achrei Kedoshim"},
                             {Iyar, 13, " Emor "},
                             {Iyar, 20, " Behar "},
                             {Iyar, 27, " Bechutotai "},
                             {Sivan, 5, "Erev Shavuot Bamidbar "}});
}

TEST(DayText, WeekdaysGiveTheFestivalAlone)
{
    TJewishYear Calculator = YearOf(5758);
    EXPECT_EQ(Calculator.DayText(Tishrei, 1), "Rosh Hashana day 1");  // a Thursday
    EXPECT_EQ(Calculator.DayText(Tishrei, 4), "Tzom Gedalia");
    EXPECT_EQ(Calculator.DayText(Tishrei, 5), "");
}

TEST(DayText, DiasporaChangeThroughTheCalculatorReachesItsNextText)
{
    TJewishYear Calculator = YearOf(5758);
    EXPECT_FALSE(Calculator.PortionsReady);
    EXPECT_EQ(Calculator.DayText(Iyar, 20), " Emor ");
    EXPECT_TRUE(Calculator.PortionsReady);

    Calculator.SetDiaspora(true);  // no change keeps the schedule
    EXPECT_TRUE(Calculator.PortionsReady);

    Calculator.SetDiaspora(false);
    EXPECT_FALSE(Calculator.PortionsReady);
    EXPECT_EQ(Calculator.DayText(Nissan, 22), " Shmini ");
    EXPECT_EQ(Calculator.DayText(Iyar, 20), " Behar ");

    Calculator.SetDiaspora(true);
    EXPECT_EQ(Calculator.DayText(Nissan, 22), "Pessach day 8  ");
    EXPECT_EQ(Calculator.DayText(Iyar, 20), " Emor ");
}

TEST(DayText, NewYearClearsTheSchedule)
{
    TJewishYear Calculator = YearOf(5758);
    EXPECT_EQ(Calculator.DayText(Tishrei, 3), " Haazinu ");
    Calculator.SetYear(5759);  // begins on a Monday
    EXPECT_FALSE(Calculator.PortionsReady);
    EXPECT_EQ(Calculator.DayText(Tishrei, 6), " Vayelech ");
    // Stepping the month into a new year refreshes the schedule too.
    EXPECT_EQ(Calculator.NextMonth(Elul), Tishrei);
    EXPECT_EQ(Calculator.Year, 5760);
    EXPECT_FALSE(Calculator.PortionsReady);
}

TEST(DayText, DaysOutsideTheYearGiveTheFestivalAlone)
{
    TJewishYear Calculator = YearOf(5758);  // common, 1 Nissan a Saturday
    ASSERT_EQ(Calculator.DayText(Nissan, 1), " VaYikra ");
    const std::vector<std::pair<std::int32_t, std::int32_t>> Outside = {
        {0, 1},        {14, 1},          {-1, 8},           {Adar2, 1},      {INT_MIN, INT_MIN},
        {INT_MAX, INT_MAX}, {Tishrei, 0}, {Tishrei, -6},    {Elul, 30},      {Elul, 37},
        {Tishrei, INT_MIN}, {Tishrei, INT_MAX}, {Nissan, INT_MAX}};
    for (const auto& [Month, Day] : Outside)
        EXPECT_EQ(Calculator.DayText(Month, Day), "") << Day << "." << Month;
    // A day past its month's end counts on into the next month.
    EXPECT_EQ(Calculator.DayText(Adar, 30), " VaYikra ");
}

TEST(DayText, AnUnsetCalculatorGivesNoPortions)
{
    TJewishYear Calculator;
    for (std::int32_t Day = -8; Day <= 40; ++Day)
        EXPECT_EQ(Calculator.DayText(Tishrei, Day), Calculator.FestivalOfDay(Tishrei, Day));
}

// One row for each kind of year: its length and the weekdays of 1 Tishrei
// and 1 Nissan decide the whole schedule.
struct YearKind {
    bool Leap;
    std::int32_t NewYearWeekday;
    std::int32_t Length;
    std::int32_t NissanWeekday;
    std::int32_t Saturdays;
    const char* FirstPortion;
    std::vector<std::string> JoinedInDiaspora;
    std::vector<std::string> JoinedInIsrael;
};

const std::vector<std::string> CommonJoins = {"Vayakel", "Tazria", "Achrei", "Behar", "Matot"};

std::vector<std::string> With(std::vector<std::string> Names, const std::string& Extra)
{
    Names.push_back(Extra);
    return Names;
}

std::vector<std::string> Without(std::vector<std::string> Names, const std::string& Missing)
{
    std::erase(Names, Missing);
    return Names;
}

const std::vector<std::string> CommonWithChukat = {"Vayakel", "Tazria", "Achrei", "Behar",
                                                   "Chukat",  "Matot",  "Netzavim"};

const std::vector<YearKind> YearKinds = {
    {false, 2, 353, 3, 50, "Vayelech", With(CommonJoins, "Netzavim"), With(CommonJoins, "Netzavim")},
    {false, 2, 355, 5, 50, "Vayelech", CommonWithChukat, Without(CommonWithChukat, "Chukat")},
    {false, 3, 354, 5, 50, "Vayelech", CommonWithChukat, Without(CommonWithChukat, "Chukat")},
    {false, 5, 354, 7, 51, "Haazinu", CommonJoins, Without(CommonJoins, "Behar")},
    {false, 5, 355, 1, 51, "Haazinu", Without(CommonJoins, "Vayakel"), Without(CommonJoins, "Vayakel")},
    {false, 7, 353, 1, 51, "Haazinu", CommonJoins, CommonJoins},
    {false, 7, 355, 3, 51, "Haazinu", With(CommonJoins, "Netzavim"), With(CommonJoins, "Netzavim")},
    {true, 2, 383, 5, 54, "Vayelech", {"Chukat", "Matot", "Netzavim"}, {"Matot", "Netzavim"}},
    {true, 2, 385, 7, 55, "Vayelech", {"Matot"}, {}},
    {true, 3, 384, 7, 55, "Vayelech", {"Matot"}, {}},
    {true, 5, 383, 1, 55, "Haazinu", {}, {}},
    {true, 5, 385, 3, 55, "Haazinu", {"Netzavim"}, {"Netzavim"}},
    {true, 7, 383, 3, 55, "Haazinu", {"Matot", "Netzavim"}, {"Matot", "Netzavim"}},
    {true, 7, 385, 5, 55, "Haazinu", {"Chukat", "Matot", "Netzavim"}, {"Matot", "Netzavim"}},
};

std::int32_t LengthOf(const TJewishYear& Calculator)
{
    std::int32_t Length = 0;
    for (std::int32_t Month = 1; Month <= 13; ++Month)
        Length += Calculator.DaysInMonth(Month);
    return Length;
}

// The first real year of the kind, found by its length and weekdays.
std::int32_t FindYearOfKind(const YearKind& Kind)
{
    for (std::int32_t Number = FirstYearWithNewYearDate; Number <= LastYearWithNewYearDate; ++Number) {
        const TJewishYear Calculator = YearOf(Number);
        if (Calculator.IsLeap == Kind.Leap && Calculator.NewYearWeekday == Kind.NewYearWeekday &&
            LengthOf(Calculator) == Kind.Length && Calculator.WeekdayOf(Nissan, 1) == Kind.NissanWeekday)
            return Number;
    }
    return 0;
}

std::string PortionName(std::int32_t Index)
{
    return (Index >= 0 && Index < static_cast<std::int32_t>(PortionCount))
               ? std::string(PortionNames[static_cast<std::size_t>(Index)])
               : "<" + std::to_string(Index) + ">";
}

class YearKindTest : public testing::TestWithParam<std::size_t> {};

TEST_P(YearKindTest, ScheduleAndDayTextsInBothSettings)
{
    const YearKind& Kind = YearKinds[GetParam()];
    const std::int32_t Number = FindYearOfKind(Kind);
    ASSERT_NE(Number, 0) << "no year of this kind";
    for (const bool InDiaspora : {true, false}) {
        SCOPED_TRACE(testing::Message() << "year " << Number << (InDiaspora ? " Diaspora" : " Israel"));
        TJewishYear Calculator = YearOf(Number, RulesOf(InDiaspora));
        Calculator.ComputePortions();

        std::vector<std::string> Joined;
        std::int32_t FirstPortion = 0;
        for (const TPortionSlot& Slot : Calculator.Portions) {
            if (FirstPortion == 0)
                FirstPortion = Slot.Portion;
            if (Slot.JoinedPortion != 0)
                Joined.push_back(PortionName(Slot.Portion));
        }
        EXPECT_EQ(PortionName(FirstPortion), Kind.FirstPortion);
        EXPECT_EQ(Joined, InDiaspora ? Kind.JoinedInDiaspora : Kind.JoinedInIsrael);

        // Every day's text: the festival, and on the k-th Saturday slot k.
        const std::vector<TJewishDate> Days = DaysOfYear(Calculator);
        std::size_t Saturdays = 0;
        std::vector<std::string> SaturdayTexts;
        for (const TJewishDate& Date : Days) {
            std::string Expected = Calculator.FestivalOfDay(Date.Month, Date.Day);
            if (Calculator.WeekdayOf(Date.Month, Date.Day) == 7) {
                const TPortionSlot& Slot = Calculator.Portions[++Saturdays];
                Expected += " " + PortionName(Slot.Portion) + " " + PortionName(Slot.JoinedPortion);
            }
            const std::string Text = Calculator.DayText(Date.Month, Date.Day);
            if (Calculator.WeekdayOf(Date.Month, Date.Day) == 7)
                SaturdayTexts.push_back(Text);
            ASSERT_EQ(Text, Expected) << Date.Day << "." << Date.Month;
        }
        EXPECT_EQ(Saturdays, static_cast<std::size_t>(Kind.Saturdays));
        for (std::size_t Slot = Saturdays + 1; Slot < Calculator.Portions.size(); ++Slot)
            EXPECT_EQ(Calculator.Portions[Slot], TPortionSlot{}) << "slot " << Slot;

        // The first Saturday is Rosh Hashana itself, falls on 3 Tishrei, or
        // is the one before Yom Kippur.
        ASSERT_GE(SaturdayTexts.size(), 2U);
        if (Kind.NewYearWeekday == 7) {
            EXPECT_EQ(SaturdayTexts[0], "Rosh Hashana day 1  ");
            EXPECT_EQ(SaturdayTexts[1], " Haazinu ");
        } else {
            EXPECT_EQ(SaturdayTexts[0], Kind.NewYearWeekday == 5 ? " Haazinu " : " Vayelech ");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Portions, YearKindTest, testing::Range<std::size_t>(0, 14));

}  // namespace
}  // namespace mirvane
