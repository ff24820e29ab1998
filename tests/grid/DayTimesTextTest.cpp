#include <gtest/gtest.h>

#include <string>


#include "grid/GridShape.h"
#include "grid/MonthGrid.h"
#include "tests/grid/GridTestSupport.h"

namespace mirvane {
namespace {

using testing::Date;

// September 2002 in New York: Rosh Hashana on Saturday the 7th and Sunday,
// Tzom Gedalia on Monday the 9th.
TEST(DayTimesText, TheTextColumnAddsTheTimesOfTheirDaysOnlyWhileAPlaceIsSet)
{
    TMonthGrid Grid(Date(2002, 9, 1));
    const TTimesSite NewYork{{40.71427, -74.00597}, FindTimeZone("America/New_York"), {}};
    Grid.SetDayTimes(NewYork);
    const struct {
        std::int32_t Day;
        const char* Expected;
    } Cases[] = {{5, ""},
                 {6, "Erev Rosh Hashana  Candles 19:0"},
                 {7, "Rosh Hashana day 1    Candles 19:"},
                 {8, "Rosh Hashana day 2  Havdalah 19:"},
                 {9, "Tzom Gedalia  Fast begins 05:"}};
    for (const auto& Case : Cases) {
        const std::string Text = Grid.CellText(DayTextColumn, FirstDayRow + Case.Day - 1);
        EXPECT_EQ(Text.substr(0, std::string(Case.Expected).size()), Case.Expected) << Text;
    }
    EXPECT_NE(Grid.CellText(DayTextColumn, FirstDayRow + 8).find("Fast ends 19:"), std::string::npos);
    Grid.SetHebrewNames(true);
    EXPECT_NE(Grid.CellText(DayTextColumn, FirstDayRow + 5).find("הדלקת נרות 19:"), std::string::npos);
    Grid.SetDayTimes(std::nullopt);
    Grid.SetHebrewNames(false);
    EXPECT_EQ(Grid.CellText(DayTextColumn, FirstDayRow + 5), "Erev Rosh Hashana");
}

}  // namespace
}  // namespace mirvane
