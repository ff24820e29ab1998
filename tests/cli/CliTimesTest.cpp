// The times and places commands wired to the times library and the place
// list: their forms, and each kind of refusal once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

TEST(CliTimes, ADayAtAPlaceAsJsonAndTheRefusals)
{
    // Friday 11 December 2026 in Jerusalem: candles 40 minutes before sunset.
    const TCliRun Run = RunCli({"times", "2026-12-11", "--place", "jerusalem", "--format", "json"});
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    const nlohmann::json Answer = nlohmann::json::parse(Run.Out);
    EXPECT_EQ(Answer["place"]["name"], "Jerusalem");
    EXPECT_EQ(Answer["place"]["timezone"], "Asia/Jerusalem");
    ASSERT_EQ(Answer["days"].size(), 1u);
    const nlohmann::json& Day = Answer["days"][0];
    EXPECT_EQ(Day["date"], "2026-12-11");
    EXPECT_EQ(Day.size(), 16u);  // the date, the thirteen daily times, Chanukah's and Shabbat's candles
    EXPECT_EQ(Day["sunset"].get<std::string>().substr(0, 16), "2026-12-11T16:35");
    EXPECT_EQ(Day["candleLighting"].get<std::string>().substr(0, 16), "2026-12-11T15:55");
    EXPECT_EQ(Day["candleLighting"].get<std::string>().substr(19), "+02:00");

    // Midsummer in Tromsø: no sunrise, shown as a dash.
    const TCliRun Text = RunCli({"times", "2026-06-21", "--latitude", "69.6489", "--longitude", "18.95508",
                                 "--timezone", "Europe/Oslo"});
    EXPECT_NE(Text.Out.find("  Sunrise                           —\n"), std::string::npos) << Text.Out;

    const struct {
        std::vector<std::string> Arguments;
        int ExitCode;
    } Refusals[] = {
        {{"times", "2026-12-11", "--latitude", "91", "--longitude", "0", "--timezone", "UTC"}, 2},
        {{"times", "2026-12-11", "--place", "Haifa", "--candle-minutes", "121"}, 2},
        {{"times", "2026-12-12", "2026-12-11", "--place", "Haifa"}, 2},
        {{"times", "2026-12-11", "--latitude", "32"}, 2},
        {{"times", "2026-12-11", "--latitude", "32", "--longitude", "35", "--timezone", "Mars/Olympus"}, 1},
        {{"times", "2026-12-11", "--place", "Atlantis of the Nowhere"}, 1},
    };
    for (const auto& Refusal : Refusals) {
        const TCliRun Refused = RunCli(Refusal.Arguments);
        EXPECT_EQ(Refused.ExitCode, Refusal.ExitCode) << Refused.Err;
        EXPECT_EQ(Refused.Out, "");
        EXPECT_EQ(Refused.Err.rfind("mirvane-cli: ", 0), 0u) << Refused.Err;
    }
}

TEST(CliTimes, PlacesListsTheMatchesAndReportsAMissingList)
{
    const TCliRun Run = RunCli({"places", "tromso", "--format", "json"});
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    const nlohmann::json First = nlohmann::json::parse(Run.Out)["places"][0];
    EXPECT_EQ(First["name"], "Tromsø");
    EXPECT_EQ(First["country"], "Norway");
    EXPECT_EQ(First["timezone"], "Europe/Oslo");
    EXPECT_GT(First["population"].get<int>(), 50000);

    setenv("MIRVANE_PLACES", "/nonexistent/places.tsv", 1);
    const TCliRun Missing = RunCli({"places", "tromso"});
    unsetenv("MIRVANE_PLACES");
    EXPECT_EQ(Missing.ExitCode, 1);
    EXPECT_EQ(Missing.Out, "");
    EXPECT_NE(Missing.Err.find("the place list /nonexistent/places.tsv cannot be read"), std::string::npos)
        << Missing.Err;
}

}  // namespace
}  // namespace mirvane
