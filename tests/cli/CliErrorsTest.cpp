#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

struct TErrorCase {
    std::vector<std::string> Arguments;
    int ExitCode;
    const char* Message;  // part of the first line on standard error
};

void ExpectFailure(const TErrorCase& Case)
{
    const TCliRun Run = RunCli(Case.Arguments);
    std::string Command;
    for (const std::string& Argument : Case.Arguments)
        Command += Argument + ' ';
    EXPECT_EQ(Run.ExitCode, Case.ExitCode) << Command << '\n' << Run.Err;
    EXPECT_EQ(Run.Out, "") << Command;
    const std::string FirstLine = Run.Err.substr(0, Run.Err.find('\n'));
    EXPECT_EQ(FirstLine.rfind("mirvane-cli: ", 0), 0u) << Command << '\n' << Run.Err;
    EXPECT_NE(FirstLine.find(Case.Message), std::string::npos) << Command << '\n' << Run.Err;
    // One line saying what is wrong, one where to read more; never the parser's internals.
    if (Case.ExitCode == 2) {
        EXPECT_EQ(Run.Err.find('\n'), FirstLine.size()) << Command << '\n' << Run.Err;
        EXPECT_EQ(Run.Err.substr(FirstLine.size() + 1).rfind("See `mirvane-cli", 0), 0u) << Command << '\n' << Run.Err;
        EXPECT_EQ(std::count(Run.Err.begin(), Run.Err.end(), '\n'), 2) << Command << '\n' << Run.Err;
        for (const char* Internal : {"FAILED", "Could not convert", "->"})
            EXPECT_EQ(FirstLine.find(Internal), std::string::npos) << Command << '\n' << Run.Err;
    }
}

TEST(CliErrors, UsageErrorsExitWithTwoAndTheUsage)
{
    const TErrorCase Cases[] = {
        {{}, 2, "no command given"},
        {{"weeks"}, 2, "weeks"},
        {{"days", "2025-01-01"}, 2, "TO"},
        {{"days", "2025-02-30", "2025-03-01"}, 2, "not a date"},
        {{"days", "1/1/2025", "2025-03-01"}, 2, "not a date"},
        {{"days", "0000-01-01", "2025-03-01"}, 2, "not a date"},
        {{"days", "2025-01-02", "2025-01-01"}, 2, "is after TO"},
        {{"month", "2026-12-06", "--format", "xml"}, 2, "xml"},
        {{"year", "abc"}, 2, "JYEAR: \"abc\" is not a whole number"},
        {{"month", "2026-12-06", "--format", "1"}, 2, "\"1\" is not one of csv, ics, json, text, tsv"},
        {{"remember", "list", "--sort", "x"}, 2, "\"x\" is not one of occasion, date"},
        {{"festival", "Purim", "1995", "--format"}, 2, "--format needs a value"},
        {{"year", "99999999999"}, 2, "JYEAR"},
        {{"festival", "Purim", "1995", "--years", "201"}, 2, "201"},
        {{"festival", "Purim", "1995", "--years", "0"}, 2, "--years"},
        {{"festival", "Purim"}, 2, "GYEAR"},
        {{"anniversary", "31/4/70", "1995"}, 2, "not a date"},
        {{"anniversary", "1 Dec 70 x", "1995"}, 2, "not a date"},
        {{"anniversary", "1/12/70", "1995", "--order", "dym"}, 2, "dym"},
        {{"convert", "5758", "7"}, 2, "convert takes"},
        {{"convert", "5758", "Tishrei", "1"}, 2, "JMONTH"},
        {{"convert", "yesterday"}, 2, "not a date"},
        {{"festivals", "5758", "--unknown"}, 2, "--unknown"},
    };
    for (const TErrorCase& Case : Cases)
        ExpectFailure(Case);
}

TEST(CliErrors, RequestsOutsideTheCalendarExitWithOne)
{
    const TErrorCase Cases[] = {
        {{"days", "0002-10-31", "0002-11-02"}, 1, "no Jewish date for 0002-10-31"},
        {{"month", "0002-10-31"}, 1, "no Jewish date"},
        {{"month", "0002-11-05", "--jewish"}, 1, "before the calendar"},
        {{"year", "0"}, 1, "no Jewish year 0"},
        {{"year", "13776"}, 1, "no Jewish year 13776"},
        {{"year", "3000", "--format", "ics"}, 1, "no month dates for the Jewish year 3000"},
        {{"festival", "purim", "1995"}, 1, "no festival is named \"purim\""},
        {{"festival", "Simchat Torah", "1995", "--israel"}, 1, "Israel"},
        {{"festival", "Purim Katan", "1996"}, 1, "does not fall in 1996 (the Jewish year 5756)"},
        {{"festival", "Pessach day 1", "2"}, 1, "known from 3 to 10014"},
        {{"festival", "Pessach day 1", "-2147483648"}, 1, "known from"},
        {{"festivals", "3762"}, 1, "no festival dates for the Jewish year 3762"},
        {{"anniversary", "1/12/70", "1"}, 1, "outside the calendar"},
        {{"anniversary", "1/12/70", "10015"}, 1, "outside the calendar"},
        {{"anniversary", "1/12/70", "10010", "--years", "10", "--format", "ics"}, 1, "cannot hold the date"},
        {{"convert", "0002-10-31"}, 1, "no Jewish date"},
        {{"convert", "5758", "13", "1"}, 1, "months 1 (Nissan) to 12"},
        {{"convert", "5758", "8", "30"}, 1, "Cheshvan 5758 has the days 1 to 29"},
        {{"convert", "3762", "7", "1"}, 1, "no dates for the Jewish year 3762"},
    };
    for (const TErrorCase& Case : Cases)
        ExpectFailure(Case);
}

TEST(CliErrors, TheUnknownNameListsTheNames)
{
    const TCliRun Run = RunCli({"festival", "purim", "1995"});
    EXPECT_NE(Run.Err.find("\n  Purim Katan\n  Purim\n  Shushan Purim\n"), std::string::npos) << Run.Err;
    EXPECT_NE(Run.Err.find("\n  Simchat Torah\n"), std::string::npos);
    EXPECT_EQ(RunCli({"festival", "x", "1995", "--israel"}).Err.find("Simchat Torah"), std::string::npos);
}

TEST(CliErrors, HelpAndVersion)
{
    for (const char* Command : {"days", "month", "year", "festival", "festivals", "anniversary", "convert"}) {
        const TCliRun Run = RunCli({Command, "--help"});
        EXPECT_EQ(Run.ExitCode, 0) << Command;
        EXPECT_NE(Run.Out.find(std::string{"Usage: mirvane-cli "} + Command), std::string::npos) << Run.Out;
    }
    EXPECT_EQ(RunCli({"--help"}).ExitCode, 0);
    const TCliRun Version = RunCli({"--version"});
    EXPECT_EQ(Version.ExitCode, 0);
    EXPECT_EQ(Version.Out.rfind("mirvane-cli ", 0), 0u);
}

TEST(CliErrors, StrangeArgumentsNeverCrash)
{
    const std::vector<std::vector<std::string>> Strange = {
        {"festival", "\xFF\xFE", "1995"},          {"anniversary", std::string(100000, '9'), "1995"},
        {"anniversary", "\xC3", "1995"},           {"festival", "Purim", "-1"},
        {"year", "-2147483648"},                   {"convert", "2147483647", "2147483647", "2147483647"},
        {"convert", "-1", "-1", "-1"},             {"days", "today", "today"},
        {"month", "9999-12-31", "--jewish"},       {"anniversary", "31/12/9999", "2147483647", "--years", "200"},
    };
    for (const auto& Arguments : Strange) {
        const TCliRun Run = RunCli(Arguments);
        EXPECT_GE(Run.ExitCode, 0) << Arguments.front();
        EXPECT_LE(Run.ExitCode, 2) << Arguments.front() << '\n' << Run.Err;
        // Anything else on standard error (a sanitizer's report) is a fault.
        EXPECT_TRUE(Run.Err.empty() || Run.Err.rfind("mirvane-cli: ", 0) == 0) << Run.Err;
    }
}

}  // namespace
}  // namespace mirvane
