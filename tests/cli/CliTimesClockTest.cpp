// The times command on the clocks of its place: after 2037, past midnight,
// a day the zone skipped, and calendar events that start at their minute.
#include <gtest/gtest.h>

#include <string>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

TEST(CliTimesClock, TimesKeepTheirPlacesClocksAndDays)
{
    const TCliRun NewYork = RunCli({"times", "2038-06-18", "--place", "New York"});
    ASSERT_EQ(NewYork.ExitCode, 0) << NewYork.Err;
    EXPECT_NE(NewYork.Out.find("  Candle lighting                   20:12\n"), std::string::npos) << NewYork.Out;

    const TCliRun North = RunCli({"times", "2026-08-24", "--latitude", "78.2232", "--longitude", "15.6267",
                                  "--timezone", "Arctic/Longyearbyen"});
    EXPECT_NE(North.Out.find("  Sunset                            00:30 (Tue 25)\n"), std::string::npos) << North.Out;

    // Samoa has no Friday 30 December 2011, so no Shabbat candles either.
    const TCliRun Samoa = RunCli({"times", "2011-12-29", "2011-12-31", "--latitude", "-13.83333", "--longitude",
                                  "-171.76666", "--timezone", "Pacific/Apia", "--format", "ics"});
    ASSERT_EQ(Samoa.ExitCode, 0) << Samoa.Err;
    EXPECT_EQ(Samoa.Out.find("Candle lighting"), std::string::npos) << Samoa.Out;
    // Each event starts on its minute: DTSTART:yyyymmddThhmmssZ ends in "00Z".
    const std::string Start = "DTSTART:";
    int Events = 0;
    for (auto At = Samoa.Out.find(Start); At != std::string::npos; At = Samoa.Out.find(Start, At + 1), ++Events)
        EXPECT_EQ(Samoa.Out.substr(At + Start.size() + 13, 3), "00Z") << Samoa.Out.substr(At, 30);
    EXPECT_EQ(Events, 1);  // havdalah
}

}  // namespace
}  // namespace mirvane
