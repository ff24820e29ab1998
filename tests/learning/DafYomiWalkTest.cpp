#include <gtest/gtest.h>

#include "learning/CycleReadings.h"
#include "learning/DafYomiWalk.h"

namespace mirvane {
namespace {

using namespace std::chrono;

// The walk writes after a title the caller keeps, as the luach does.
class TWalked {
public:
    void ExpectSchedule(sys_days Day)
    {
        const bool Has = Walk.WriteOn(Day, English, EnglishTitle.size(), Hebrew, HebrewTitle.size());
        const std::optional<TLearningReading> Direct =
            Day > LastLearningDay ? std::nullopt : DafYomiReading(Day);
        ASSERT_EQ(Has, Direct.has_value()) << Day.time_since_epoch().count();
        if (Has) {
            EXPECT_EQ(English, EnglishTitle + Direct->English) << Day.time_since_epoch().count();
            EXPECT_EQ(Hebrew, HebrewTitle + Direct->Hebrew) << Day.time_since_epoch().count();
        }
    }

private:
    const std::string EnglishTitle = "Daf Yomi: ";
    const std::string HebrewTitle = "דף: ";
    TDafYomiWalk Walk;
    std::string English = EnglishTitle;
    std::string Hebrew = HebrewTitle;
};

// Day after day from before the first cycle over every tractate's end, the
// short Shekalim and the change to the long one in 1975, and cycles' ends.
TEST(DafYomiWalk, StepsAsTheScheduleGoes)
{
    TWalked Walked;
    for (sys_days Day = year{1923} / September / day{1}; Day <= sys_days{year{1993} / January / day{1}};
         Day += days{1})
        Walked.ExpectSchedule(Day);
}

// Days out of order, a day asked twice and the calendar's last day.
TEST(DafYomiWalk, FindsAnyOtherDay)
{
    TWalked Walked;
    const sys_days Days[] = {year{2020} / January / day{5},    year{2020} / January / day{4},
                             year{2020} / January / day{4},    year{1975} / June / day{24},
                             year{1923} / September / day{10}, year{1923} / September / day{11},
                             year{9999} / December / day{31},  year{10000} / January / day{1},
                             year{2012} / August / day{3},     year{2012} / August / day{4}};
    for (const sys_days Day : Days)
        Walked.ExpectSchedule(Day);
}

}  // namespace
}  // namespace mirvane
