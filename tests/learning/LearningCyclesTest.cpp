#include <gtest/gtest.h>

#include <set>

#include "learning/LearningCycles.h"

namespace mirvane {
namespace {

using namespace std::chrono;

TEST(LearningCycles, KeysAreDistinctAndNamed)
{
    std::set<std::string_view> Keys;
    for (const TLearningCycle Cycle : AllLearningCycles) {
        Keys.insert(LearningCycleKey(Cycle));
        EXPECT_FALSE(LearningCycleName(Cycle).empty());
        EXPECT_FALSE(LearningCycleHebrewName(Cycle).empty());
    }
    EXPECT_EQ(Keys.size(), AllLearningCycles.size());
    EXPECT_EQ(LearningCycleKey(TLearningCycle::YerushalmiSchottenstein), "yerushalmi-schottenstein");
}

// One case for each way a reading is written.
TEST(LearningCycles, HebrewForms)
{
    struct TCase {
        TLearningCycle Cycle;
        sys_days Day;
        std::string_view Hebrew;
    };
    const TCase Cases[] = {
        {TLearningCycle::DafYomi, year{1923} / September / day{25}, "ברכות ט״ז"},
        {TLearningCycle::MishnaYomit, year{1947} / May / day{20}, "ברכות א:א-ב"},
        {TLearningCycle::MishnaYomit, year{1947} / May / day{22}, "ברכות א:ה-ב:א"},
        {TLearningCycle::MishnaYomit, year{1947} / June / day{17}, "ברכות ט:ה-פאה א:א"},
        {TLearningCycle::NachYomi, year{2007} / December / day{16}, "שמואל א׳ א׳"},
        {TLearningCycle::Rambam1, year{1984} / May / day{8}, "תוכן החיבור א:א-ד:ח"},
        {TLearningCycle::Rambam3, year{1984} / June / day{23}, "הלכות חמץ ומצה ח׳-ט׳, הלכות שופר וסוכה ולולב א׳-ב׳"},
        {TLearningCycle::ChofetzChaim, year{1873} / September / day{27}, "הקדמה כח, לג, לד"},
        {TLearningCycle::ChofetzChaim, year{1873} / October / day{16}, "ארורין"},
        {TLearningCycle::ChofetzChaim, year{1873} / November / day{20}, "הלכות לשון הרע ז:ז-ז:ח"},
    };
    for (const TCase& Case : Cases) {
        const auto Reading = LearningReadingOn(Case.Cycle, Case.Day);
        ASSERT_TRUE(Reading);
        EXPECT_EQ(Reading->Hebrew, Case.Hebrew) << Reading->English;
    }
}

TEST(LearningCycles, EveryCycleReachesTheCalendarsLastDayAndNoFurther)
{
    for (const TLearningCycle Cycle : AllLearningCycles) {
        EXPECT_TRUE(LearningReadingOn(Cycle, year{9999} / December / day{31})) << LearningCycleKey(Cycle);
        EXPECT_FALSE(LearningReadingOn(Cycle, year{10000} / January / day{1})) << LearningCycleKey(Cycle);
        EXPECT_FALSE(LearningReadingOn(Cycle, sys_days{days{2'000'000'000}})) << LearningCycleKey(Cycle);
        EXPECT_FALSE(LearningReadingOn(Cycle, sys_days{days{-2'000'000'000}})) << LearningCycleKey(Cycle);
    }
}

}  // namespace
}  // namespace mirvane
