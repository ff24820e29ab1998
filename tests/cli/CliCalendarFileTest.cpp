#include <gtest/gtest.h>

#include <cstdio>
#include <regex>
#include <string>
#include <vector>

#include "engine/DateServices.h"
#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

// "YYYYMMDD" of the day after Basic.
std::string NextDayText(const std::string& Basic)
{
    const TDateTime Date =
        EncodeDate(std::stoi(Basic.substr(0, 4)), std::stoi(Basic.substr(4, 2)), std::stoi(Basic.substr(6, 2)));
    const TGregorianDate Next = DecodeDate(Date + 1);
    char Text[16];
    std::snprintf(Text, sizeof Text, "%04d%02d%02d", static_cast<int>(Next.Year), static_cast<int>(Next.Month),
                  static_cast<int>(Next.Day));
    return Text;
}

// The start of every event, each checked to be a whole day that ends on the
// next day.
std::vector<std::string> EventDays(const std::string& Calendar)
{
    static const std::regex Event{"DTSTART;VALUE=DATE:(\\d{8})\r\n(DTEND;VALUE=DATE:(\\d{8})|DURATION:P1D)\r\n"};
    std::vector<std::string> Days;
    for (auto Match = std::sregex_iterator(Calendar.begin(), Calendar.end(), Event); Match != std::sregex_iterator();
         ++Match) {
        const std::string Start = (*Match)[1];
        if ((*Match)[3].matched)
            EXPECT_EQ((*Match)[3].str(), NextDayText(Start)) << Start;
        else
            EXPECT_EQ(Start, "99991231");
        Days.push_back(Start);
    }
    return Days;
}

std::vector<std::string> IsoDatesAsBasic(const std::string& Csv)
{
    std::vector<std::string> Days;
    for (const std::string& Line : Lines(Csv)) {
        if (Line.size() >= 10 && Line[4] == '-')
            Days.push_back(Line.substr(0, 4) + Line.substr(5, 2) + Line.substr(8, 2));
    }
    return Days;
}

// Every command's calendar file across the whole range: the first and last
// years, both sides of 3000, which the iCalendar library's own time type
// cannot pass, and 9999.
TEST(CliCalendarFile, EveryDateFromYear2To9999IsAWholeDayEvent)
{
    const std::vector<std::vector<std::string>> Requests = {
        {"festival", "Purim", "3001"},
        {"festival", "Purim", "2998", "--years", "5"},
        {"festival", "Purim", "9999"},
        {"festival", "Rosh Hashana day 1", "9990", "--years", "10"},
        {"festival", "Chanukah day 1", "3"},
        {"anniversary", "1/1/1000", "3000", "--years", "3"},
        {"anniversary", "1/6/70", "9995", "--years", "5"},
        {"anniversary", "5/11/2", "3"},
        {"festivals", "3764"},
        {"festivals", "6761"},
        {"festivals", "13759"},
        {"month", "0002-11-01"},
        {"month", "3001-01-01"},
        {"month", "9999-12-31"},
        {"month", "9999-06-20", "--jewish"},
        {"year", "3764"},
        {"year", "6761"},
        {"year", "13759"},
    };
    for (const auto& Request : Requests) {
        std::vector<std::string> Arguments = Request;
        Arguments.insert(Arguments.end(), {"--format", "ics"});
        const TCliRun Run = RunCli(Arguments);
        const std::string Name = Request[0] + ' ' + Request[1] + ' ' + Request.back();
        ASSERT_EQ(Run.ExitCode, 0) << Name << ": " << Run.Err;
        EXPECT_EQ(Run.Out.find("00000000"), std::string::npos) << Name;
        const std::vector<std::string> Days = EventDays(Run.Out);
        std::size_t Events = 0;
        for (std::size_t At = Run.Out.find("BEGIN:VEVENT"); At != std::string::npos;
             At = Run.Out.find("BEGIN:VEVENT", At + 1))
            ++Events;
        EXPECT_EQ(Days.size(), Events) << Name;
        EXPECT_FALSE(Days.empty()) << Name;
        // The listed dates are those the spreadsheet form of the same request
        // gives, where it has one date a row.
        if (Request[0] == "festival" || Request[0] == "anniversary" || Request[0] == "festivals") {
            std::vector<std::string> Csv = Request;
            Csv.insert(Csv.end(), {"--format", "csv"});
            EXPECT_EQ(Days, IsoDatesAsBasic(RunCli(Csv).Out)) << Name;
        }
    }
}

// A list that reaches past 9999 cannot be a calendar file: the command fails
// and writes nothing rather than a broken file.
TEST(CliCalendarFile, AListPast9999FailsAndWritesNothing)
{
    const TCliRun Run = RunCli({"festivals", "13760", "--format", "ics"});
    EXPECT_EQ(Run.ExitCode, 1);
    EXPECT_EQ(Run.Out, "");
    EXPECT_NE(Run.Err.find("cannot hold the date 10000-"), std::string::npos) << Run.Err;
}

}  // namespace
}  // namespace mirvane
