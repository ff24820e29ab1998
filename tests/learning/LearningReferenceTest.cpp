// Our cycles against @hebcal/learning's readings, and the Daf Yomi against
// Debian's hebcal, from the fixtures tools/make-learning-fixtures.mjs wrote.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "learning/LearningCycles.h"
#include "tests/times/FixtureDay.h"

namespace mirvane {
namespace {

struct TFixtureDay {
    std::string Date;
    std::string Reading;  // "-" for none
    std::string Why;
};

std::vector<TFixtureDay> ReadFixture(std::string_view Name)
{
    std::ifstream In(std::string(MIRVANE_LEARNING_FIXTURES) + "/" + std::string(Name) + ".tsv");
    EXPECT_TRUE(In) << Name;
    std::vector<TFixtureDay> Days;
    std::string Line;
    while (std::getline(In, Line)) {
        std::istringstream Fields(Line);
        TFixtureDay Day;
        std::getline(Fields, Day.Date, '\t');
        std::getline(Fields, Day.Reading, '\t');
        std::getline(Fields, Day.Why, '\t');
        Days.push_back(Day);
    }
    return Days;
}

std::string OurReading(TLearningCycle Cycle, const std::string& Date)
{
    const auto Reading = LearningReadingOn(Cycle, FixtureDay(Date));
    return Reading ? Reading->English : "-";
}

// Every cycle's days of one kind; a cycle's first few differences are shown.
void ExpectAgreementOn(std::string_view Why)
{
    int Compared = 0;
    for (const TLearningCycle Cycle : AllLearningCycles) {
        int Differences = 0;
        for (const TFixtureDay& Day : ReadFixture(LearningCycleKey(Cycle))) {
            if (Day.Why != Why)
                continue;
            ++Compared;
            const std::string Ours = OurReading(Cycle, Day.Date);
            if (Ours != Day.Reading && ++Differences <= 5)
                ADD_FAILURE() << LearningCycleKey(Cycle) << " " << Day.Date << ": " << Ours << " instead of "
                              << Day.Reading;
        }
        EXPECT_EQ(Differences, 0) << LearningCycleKey(Cycle);
    }
    EXPECT_GT(Compared, 0);
}

TEST(LearningReference, NothingBeforeTheFirstDay)
{
    ExpectAgreementOn("before");
}

TEST(LearningReference, FirstAndLastDayOfEveryRound)
{
    ExpectAgreementOn("round");
}

TEST(LearningReference, DaysSkipped)
{
    ExpectAgreementOn("skip");
}

TEST(LearningReference, FirstAndLastDayOfEachBook)
{
    ExpectAgreementOn("book");
}

TEST(LearningReference, SampleDays)
{
    ExpectAgreementOn("sample");
}

TEST(LearningReference, DafYomiTractatesAsDebianHebcalPrintsThem)
{
    const auto Days = ReadFixture("daf-yomi-hebcal");
    ASSERT_GT(Days.size(), 1800u);
    for (const TFixtureDay& Day : Days)
        EXPECT_EQ(OurReading(TLearningCycle::DafYomi, Day.Date), Day.Reading) << Day.Date;
}

}  // namespace
}  // namespace mirvane
