#include <gtest/gtest.h>

#include "learning/CycleReadings.h"
#include "learning/DafYomiWalk.h"

namespace mirvane {
namespace {

using namespace std::chrono;

void ExpectSame(const TLearningReading* Walked, const std::optional<TLearningReading>& Direct, sys_days Day)
{
    ASSERT_EQ(Walked != nullptr, Direct.has_value()) << Day.time_since_epoch().count();
    if (Walked) {
        EXPECT_EQ(Walked->English, Direct->English) << Day.time_since_epoch().count();
        EXPECT_EQ(Walked->Hebrew, Direct->Hebrew) << Day.time_since_epoch().count();
    }
}

// Day after day from before the first cycle over every tractate's end, the
// short Shekalim and the change to the long one in 1975, and cycles' ends.
TEST(DafYomiWalk, StepsAsTheScheduleGoes)
{
    TDafYomiWalk Walk;
    for (sys_days Day = year{1923} / September / day{1}; Day <= sys_days{year{1993} / January / day{1}};
         Day += days{1})
        ExpectSame(Walk.ReadingOn(Day), DafYomiReading(Day), Day);
}

// Days out of order, a day asked twice and the calendar's last day.
TEST(DafYomiWalk, FindsAnyOtherDay)
{
    TDafYomiWalk Walk;
    const sys_days Days[] = {year{2020} / January / day{5},  year{2020} / January / day{4},
                             year{2020} / January / day{4},  year{1975} / June / day{24},
                             year{1923} / September / day{10}, year{1923} / September / day{11},
                             year{9999} / December / day{31}, year{10000} / January / day{1},
                             year{2012} / August / day{3}};
    for (const sys_days Day : Days)
        ExpectSame(Walk.ReadingOn(Day), Day > LastLearningDay ? std::nullopt : DafYomiReading(Day), Day);
}

}  // namespace
}  // namespace mirvane
