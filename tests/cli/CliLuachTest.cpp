// mirvane-cli events and month --show: the luach on the command line.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

TEST(CliEvents, EachFormatAndTheShowList)
{
    EXPECT_EQ(RunCli({"events", "2027-01-09", "--show", "rosh-chodesh,daf-yomi"}).Out,
              "2027-01-09  Rosh Chodesh Shvat\n2027-01-09  Daf Yomi: Temurah 20\n");
    const auto Json = nlohmann::json::parse(RunCli({"events", "2027-01-02", "2027-05-12", "--format", "json"}).Out);
    const auto& Events = Json.at("events");
    EXPECT_EQ(Events.front().at("category"), "mevarchim");
    EXPECT_EQ(Events.front().at("molad"), nlohmann::json::parse(R"({"weekday": 4, "hour": 23, "minute": 55, "parts": 5})"));
    EXPECT_EQ(Events.back().at("key"), "yom-haatzmaut");
    EXPECT_EQ(Events.back().at("hebrew"), "יום העצמאות");
    const TCliRun Tsv = RunCli({"events", "2027-05-12", "--format", "tsv", "--show", "omer"});
    EXPECT_EQ(Tsv.Out, "date\tcategory\tkey\tname\thebrew\n2027-05-12\tomer\tomer\tOmer day 20\tעומר כ׳\n");
    const TCliRun Unknown = RunCli({"events", "2027-05-12", "--show", "omer,shabbos"});
    EXPECT_EQ(Unknown.ExitCode, 2);
    EXPECT_NE(Unknown.Err.find("\"shabbos\""), std::string::npos);
    EXPECT_EQ(RunCli({"events", "0002-10-31"}).ExitCode, 1);
}

TEST(CliMonth, ShowAddsTheLuachToTheTextColumn)
{
    EXPECT_EQ(RunCli({"month", "2027-01-09", "--show", "festivals"}).Out, RunCli({"month", "2027-01-09"}).Out);
    EXPECT_NE(RunCli({"month", "2027-01-09", "--show", "rosh-chodesh"}).Out.find("Vaera  Rosh Chodesh Shvat"),
              std::string::npos);
}

}  // namespace
}  // namespace mirvane
