#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "engine/JewishYear.h"
#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

std::vector<std::string> Cells(const std::string& Line, char Separator = '\t')
{
    std::vector<std::string> Result;
    std::string Cell;
    std::istringstream Stream(Line);
    while (std::getline(Stream, Cell, Separator))
        Result.push_back(Cell);
    if (!Line.empty() && Line.back() == Separator)
        Result.emplace_back();
    return Result;
}

TDateTime IsoDate(const std::string& Text)
{
    return EncodeDate(std::stoi(Text.substr(0, 4)), std::stoi(Text.substr(5, 2)), std::stoi(Text.substr(8)));
}

// Each line against the engine's own conversion and day text, so that the
// stepping from day to day, month to month and year to year is checked.
void ExpectDaysAsTheEngineGivesThem(const std::string& From, const std::string& To, bool Israel)
{
    std::vector<std::string> Arguments{"days", From, To};
    if (Israel)
        Arguments.push_back("--israel");
    const TCliRun Run = RunCli(Arguments);
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    const std::vector<std::string> Output = Lines(Run.Out);
    ASSERT_EQ(Output.size(), static_cast<std::size_t>(IsoDate(To) - IsoDate(From) + 1));
    TDateTime Day = IsoDate(From);
    for (const std::string& Line : Output) {
        const TJewishDate Jewish = DateTimeToJewish(Day);
        TJewishYear Year(Israel ? TRules::Israel : TRules::Diaspora);
        Year.SetYear(Jewish.Year);
        const TGregorianDate Gregorian = DecodeDate(Day);
        char Iso[16];
        std::snprintf(Iso, sizeof Iso, "%04d-%02d-%02d", Gregorian.Year, Gregorian.Month, Gregorian.Day);
        EXPECT_EQ(Cells(Line), (std::vector<std::string>{Iso, std::to_string(Jewish.Year),
                                                         std::to_string(Jewish.Month), std::to_string(Jewish.Day),
                                                         Year.DayText(Jewish.Month, Jewish.Day)}));
        Day += 1;
    }
}

TEST(CliDays, OneLinePerDayAsTheEngineGivesIt)
{
    // Across Elul into Tishrei, through Adar I and Adar II of a leap year,
    // and the days that differ between the Diaspora and Israel.
    ExpectDaysAsTheEngineGivesThem("2025-09-01", "2025-10-31", false);
    ExpectDaysAsTheEngineGivesThem("2024-02-01", "2024-04-30", false);
    ExpectDaysAsTheEngineGivesThem("2025-04-10", "2025-06-10", true);
    ExpectDaysAsTheEngineGivesThem("0002-11-01", "0002-11-30", false);
}

TEST(CliDays, KnownDays)
{
    const TCliRun Run = RunCli({"days", "2026-12-04", "2026-12-06"});
    EXPECT_EQ(Run.Out, "2026-12-04\t5787\t9\t24\tErev Chanukah\n"
                       "2026-12-05\t5787\t9\t25\tChanukah day 1 VaYeshev \n"
                       "2026-12-06\t5787\t9\t26\tChanukah day 2\n");
    EXPECT_EQ(RunCli({"days", "9999-12-31", "9999-12-31"}).Out, "9999-12-31\t13760\t8\t28\t\n");
    EXPECT_EQ(Lines(RunCli({"days", "2025-04-20", "2025-04-20", "--israel"}).Out),
              std::vector<std::string>{"2025-04-20\t5785\t1\t22\t"});
}

TEST(CliMonth, TheGridPageAsTabSeparatedCells)
{
    const TCliRun Run = RunCli({"month", "2026-12-06", "--format", "tsv"});
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    const std::vector<std::string> Rows = Lines(Run.Out);
    ASSERT_EQ(Rows.size(), 2u + 31u);
    EXPECT_EQ(Rows[0], "\t2026\t5787\t");
    EXPECT_EQ(Rows[1], "\tDec\tKislev/Tevet\t");
    EXPECT_EQ(Rows[2], "Tuesday\t1\t21\t");
    EXPECT_EQ(Rows[6], "Saturday\t5\t25\tChanukah day 1 VaYeshev ");
    EXPECT_EQ(Rows[7], "Sunday\t6\t26\tChanukah day 2");
    for (const std::string& Row : Rows)
        EXPECT_EQ(Cells(Row).size(), 4u) << Row;
}

TEST(CliMonth, AJewishMonthPage)
{
    const std::vector<std::string> Rows = Lines(RunCli({"month", "2026-12-06", "--jewish", "--format", "tsv"}).Out);
    ASSERT_EQ(Rows.size(), 2u + 30u);
    EXPECT_EQ(Rows[1], "\tNov/Dec\tKislev\t");
    EXPECT_EQ(Rows[2], "Wednesday\t11\t1\t");
}

TEST(CliMonth, OtherFormatsCarryTheSameCells)
{
    const TCliRun Text = RunCli({"month", "2026-12-06"});
    EXPECT_NE(Text.Out.find("Sunday     6     26            Chanukah day 2\n"), std::string::npos) << Text.Out;
    const TCliRun Csv = RunCli({"month", "2026-12-06", "--format", "csv"});
    EXPECT_EQ(Lines(Csv.Out).at(7), "Sunday,6,26,Chanukah day 2\r");
    const TCliRun Json = RunCli({"month", "2026-12-06", "--format", "json"});
    EXPECT_EQ(Json.Out.rfind("{\"headings\": [[\"\", \"2026\", \"5787\", \"\"], [\"\", \"Dec\", \"Kislev/Tevet\", \"\"]], "
                             "\"days\": [{\"date\": \"2026-12-01\", \"weekday\": \"Tuesday\", \"gregorianDay\": \"1\", "
                             "\"jewishDay\": \"21\", \"jewishDate\": \"21 Kislev 5787\", \"text\": \"\"}, ",
                             0),
              0u);
}

TEST(CliYear, EveryOutputOfThePageWithItsLabel)
{
    const TCliRun Run = RunCli({"year", "5787"});
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    for (const char* Line : {"Jewish Year        5787\n", "CycleNumber        305\n", "Year In Cycle      11\n",
                             "Leap Year          yes\n", "New MoonTishrei    0 2 1063\n",
                             "First Day of Year  Saturday          Saturday 12 September 2026\n",
                             "Season Nissan      197d 2h 776p 24f  19 Adar2\n", "Days In Cheshvan   30\n",
                             "Kislev             30\n", "Adar2     29    2 7 421   Monday 1:23 and 7 parts\n"})
        EXPECT_NE(Run.Out.find(Line), std::string::npos) << Line;
    EXPECT_EQ(Lines(Run.Out).size(), 9u + 1u + 1u + 13u);
}

TEST(CliYear, JsonHoldsThePageTexts)
{
    const TCliRun Run = RunCli({"year", "5758", "--format", "json"});
    EXPECT_EQ(Run.Out.rfind("{\"year\": \"5758\", \"cycle\": \"304\", \"yearInCycle\": \"1\", \"leap\": false, "
                            "\"moladTishrei\": {\"days\": \"5\", \"hours\": \"4\", \"parts\": \"129\", \"text\": "
                            "\"Wednesday 22:07 and 3 parts\"}, \"firstDay\": {\"weekday\": \"Thursday\", \"date\": "
                            "\"Thursday 2 October 1997\"}, \"seasonNissan\": {\"time\": \"176d 22h 1005p 0f\", "
                            "\"day\": \"29 Adar\"}, \"cheshvan\": \"29\", \"kislev\": \"30\", \"months\": [{\"month\": "
                            "7, \"name\": \"Tishrei\", \"days\": \"30\", ",
                            0),
              0u)
        << Run.Out;
    EXPECT_NE(Run.Out.find("{\"month\": 6, \"name\": \"Elul\", \"days\": \"29\""), std::string::npos);
    const TCliRun First = RunCli({"year", "1", "--format", "json"});
    EXPECT_NE(First.Out.find("\"firstDay\": {\"weekday\": \"Monday\", \"date\": \"\"}"), std::string::npos);
}

TEST(CliYear, TablesRepeatTheYearOnEveryMonthRow)
{
    const std::vector<std::string> Rows = Lines(RunCli({"year", "5787", "--format", "tsv"}).Out);
    ASSERT_EQ(Rows.size(), 1u + 13u);
    EXPECT_EQ(Cells(Rows[0]).size(), 20u);
    EXPECT_EQ(Rows[7], "5787\t305\t11\ttrue\t0\t2\t1063\tSaturday\tSaturday 12 September 2026\t197d 2h 776p "
                       "24f\t19 Adar2\t30\t30\t13\tAdar2\t29\t2\t7\t421\tMonday 1:23 and 7 parts");
}

TEST(CliConvert, BothWays)
{
    EXPECT_EQ(RunCli({"convert", "1970-12-01"}).Out, "3 Kislev 5731\n");
    EXPECT_EQ(RunCli({"convert", "5731", "9", "3"}).Out, "1970-12-01 Tuesday 1 December 1970\n");
    EXPECT_EQ(RunCli({"convert", "5757", "13", "6"}).Out, "1997-03-15 Saturday 15 March 1997\n");
    EXPECT_EQ(RunCli({"convert", "0002-11-01"}).Out, "9 Cheshvan 3763\n");
}

}  // namespace
}  // namespace mirvane
