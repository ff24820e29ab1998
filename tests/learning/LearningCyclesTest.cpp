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

TEST(LearningCycles, HebrewForms)
{
    struct TCase {
        TLearningCycle Cycle;
        sys_days Day;
        std::string_view Hebrew;
    };
    const TCase Cases[] = {
        {TLearningCycle::DafYomi, year{2024} / April / day{8}, "בבא מציעא מ׳"},
        {TLearningCycle::DafYomi, year{1923} / September / day{25}, "ברכות ט״ז"},
    };
    for (const TCase& Case : Cases) {
        const auto Reading = LearningReadingOn(Case.Cycle, Case.Day);
        ASSERT_TRUE(Reading);
        EXPECT_EQ(Reading->Hebrew, Case.Hebrew) << Reading->English;
    }
}

}  // namespace
}  // namespace mirvane
