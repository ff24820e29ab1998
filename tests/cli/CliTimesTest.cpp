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
        {{"times", "2026-12-11", "--latitude", "32", "--longitude", "35", "--timezone", "Mars/Olympus"}, 2},
        {{"times", "2026-12-11", "--latitude", "nan", "--longitude", "35", "--timezone", "UTC"}, 2},
        {{"times", "2026-12-11", "--latitude", "32", "--longitude", "inf", "--timezone", "UTC"}, 2},
        {{"times", "2026-12-11", "--latitude", "1e999", "--longitude", "35", "--timezone", "UTC"}, 2},
        {{"times", "2026-12-11", "--latitude", "abc", "--longitude", "35", "--timezone", "UTC"}, 2},
        {{"times", "2026-12-11", "--latitude", "32", "--longitude", "35", "--timezone", "localtime"}, 2},
        {{"times", "2026-12-11", "--latitude", "32", "--longitude", "35", "--timezone", "UTC+3"}, 2},
        {{"times", "2026-12-11", "--place", "Haifa", "--format", "1"}, 2},
        {{"times", "2026-12-11", "--place", "Haifa", "--israel", "--diaspora"}, 2},
        {{"places", ""}, 2},
        {{"times", "2026-12-11", "--place", "Atlantis of the Nowhere"}, 1},
    };
    for (const auto& Refusal : Refusals) {
        const TCliRun Refused = RunCli(Refusal.Arguments);
        EXPECT_EQ(Refused.ExitCode, Refusal.ExitCode) << Refused.Err;
        EXPECT_EQ(Refused.Out, "");
        EXPECT_EQ(Refused.Err.rfind("mirvane-cli: ", 0), 0u) << Refused.Err;
    }
}

// Jerusalem's 40 minutes and Israel's festival days follow the place, named
// or typed; --diaspora overrides the days.
TEST(CliTimes, APlaceInIsraelBringsItsMinutesAndItsDays)
{
    const auto DaysWithCandles = [](std::vector<std::string> Arguments) {
        Arguments.insert(Arguments.begin(), {"times", "2027-04-27", "2027-04-28"});
        Arguments.insert(Arguments.end(), {"--format", "json"});
        const nlohmann::json Answer = nlohmann::json::parse(RunCli(Arguments).Out);
        std::string Days;
        for (const nlohmann::json& Day : Answer["days"])
            if (Day.contains("candleLighting"))
                Days += Day["date"].get<std::string>() + ' ';
        return Days;
    };
    // The seventh day of Pessach is the last in Israel; the Diaspora lights again for an eighth.
    EXPECT_EQ(DaysWithCandles({"--place", "Jerusalem"}), "2027-04-27 ");
    EXPECT_EQ(DaysWithCandles({"--place", "Jerusalem", "--diaspora"}), "2027-04-27 2027-04-28 ");
    EXPECT_EQ(DaysWithCandles({"--place", "Paris"}), "2027-04-27 2027-04-28 ");
    EXPECT_EQ(DaysWithCandles({"--place", "Paris", "--israel"}), "2027-04-27 ");
    EXPECT_EQ(DaysWithCandles({"--latitude", "31.77", "--longitude", "35.21", "--timezone", "asia/jerusalem"}),
              "2027-04-27 ");

    const auto Candles = [](std::vector<std::string> Arguments) {
        Arguments.insert(Arguments.begin(), {"times", "2026-12-11"});
        Arguments.insert(Arguments.end(), {"--format", "json"});
        const nlohmann::json Day = nlohmann::json::parse(RunCli(Arguments).Out)["days"][0];
        return Day["candleLighting"].get<std::string>().substr(11, 5);
    };
    // Sunset 16:35 in Jerusalem.
    EXPECT_EQ(Candles({"--latitude", "31.77", "--longitude", "35.21", "--timezone", "Asia/Jerusalem"}), "15:55");
    EXPECT_EQ(Candles({"--place", "West Jerusalem"}), "15:55");
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

    // Nothing found: an empty list for programs, and how many more than shown.
    const TCliRun None = RunCli({"places", "Atlantis of the Nowhere", "--format", "json"});
    EXPECT_EQ(None.ExitCode, 1);
    EXPECT_EQ(None.Out, "{\"places\": []}\n");
    const TCliRun Many = RunCli({"places", "san", "--format", "json"});
    EXPECT_GT(nlohmann::json::parse(Many.Out)["more"].get<int>(), 100);
    EXPECT_NE(RunCli({"places", "san"}).Out.find(" more; add more of the name"), std::string::npos);

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
