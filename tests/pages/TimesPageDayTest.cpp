#include <gtest/gtest.h>

#include "engine/DateConversion.h"
#include "pages/TimesPageDay.h"

namespace mirvane {
namespace {

TEST(TimesPageDay, TakesEveryDayOfTheCalendarAndNothingElse)
{
    const struct {
        TDateEntry Entry;
        std::optional<TDateTime> Day;
    } Cases[] = {
        {{2026, 12, 11}, EncodeDate(2026, 12, 11)},
        {{9999, 12, 31}, EncodeDate(9999, 12, 31)},
        {{2, 11, 1}, FirstConvertibleDate()},
        {{2, 10, 31}, std::nullopt},  // before the first Jewish date
        {{2, 2, 29}, std::nullopt},   // "2/29/2" on its way to a year
        {{2027, 2, 29}, std::nullopt},
        {{2026, 13, 1}, std::nullopt},
        {{10000, 1, 1}, std::nullopt},
        {{2026, 12, 0}, std::nullopt},
        {{0, 0, 0, TDateEntryStatus::StoppedEarly}, std::nullopt},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(TimesPageDay(Case.Entry), Case.Day) << Case.Entry.Year << '-' << Case.Entry.Month << '-'
                                                      << Case.Entry.Day;
}

}  // namespace
}  // namespace mirvane
