#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include <libical/ical.h>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

struct TParsedEvent {
    std::string Date;  // YYYYMMDD
    std::string EndDate;
    bool AllDay = false;
    std::string Summary;
    std::string Uid;
};

struct TComponentFree {
    void operator()(icalcomponent* Component) const { icalcomponent_free(Component); }
};

// Reads a calendar file back as a calendar program would.
std::vector<TParsedEvent> ParseCalendar(const std::string& Text)
{
    const std::unique_ptr<icalcomponent, TComponentFree> Calendar{icalparser_parse_string(Text.c_str())};
    EXPECT_TRUE(Calendar);
    std::vector<TParsedEvent> Events;
    if (!Calendar)
        return Events;
    EXPECT_EQ(icalcomponent_isa(Calendar.get()), ICAL_VCALENDAR_COMPONENT);
    EXPECT_EQ(icalcomponent_count_errors(Calendar.get()), 0);
    for (icalcomponent* Event = icalcomponent_get_first_component(Calendar.get(), ICAL_VEVENT_COMPONENT); Event;
         Event = icalcomponent_get_next_component(Calendar.get(), ICAL_VEVENT_COMPONENT)) {
        const icaltimetype Start = icalcomponent_get_dtstart(Event);
        const icaltimetype End = icalcomponent_get_dtend(Event);
        char Date[16];
        char EndDate[16];
        std::snprintf(Date, sizeof Date, "%04d%02d%02d", Start.year, Start.month, Start.day);
        std::snprintf(EndDate, sizeof EndDate, "%04d%02d%02d", End.year, End.month, End.day);
        Events.push_back({Date, EndDate, Start.is_date == 1, icalcomponent_get_summary(Event),
                          icalcomponent_get_uid(Event)});
    }
    return Events;
}

TEST(CliFestival, TheDateOrAListOfYears)
{
    EXPECT_EQ(RunCli({"festival", "Rosh Hashana day 1", "1995"}).Out, "Monday 25 September 1995\n");
    EXPECT_EQ(RunCli({"festival", "Asara B'Tevet", "2024"}).Out, "Friday 10 January 2025\n");
    const TCliRun Run = RunCli({"festival", "Purim", "1995", "--years", "5"});
    EXPECT_EQ(Run.ExitCode, 0);
    EXPECT_EQ(Run.Out, "Thursday 16 March 1995\nTuesday 5 March 1996\nSunday 23 March 1997\n"
                       "Thursday 12 March 1998\nTuesday 2 March 1999\n");
    EXPECT_EQ(Lines(RunCli({"festival", "Purim Katan", "1995", "--years", "19"}).Out).size(), 7u);
    EXPECT_EQ(Lines(RunCli({"festival", "Purim", "1995", "--years", "200"}).Out).size(), 200u);
}

TEST(CliFestival, MachineFormats)
{
    EXPECT_EQ(RunCli({"festival", "Purim", "1995", "--years", "2", "--format", "json"}).Out,
              "{\"name\": \"Purim\", \"dates\": [{\"date\": \"1995-03-16\", \"text\": \"Thursday 16 March 1995\"}, "
              "{\"date\": \"1996-03-05\", \"text\": \"Tuesday 5 March 1996\"}]}\n");
    EXPECT_EQ(RunCli({"festival", "Purim", "1995", "--years", "2", "--format", "csv"}).Out,
              "date,text,jewishDate\r\n1995-03-16,Thursday 16 March 1995,14 Adar2 5755\r\n"
              "1996-03-05,Tuesday 5 March 1996,14 Adar 5756\r\n");
    EXPECT_EQ(RunCli({"festival", "Purim", "1995", "--format", "tsv"}).Out,
              "date\ttext\tjewishDate\n1995-03-16\tThursday 16 March 1995\t14 Adar2 5755\n");
}

TEST(CliFestival, ACalendarFileWithStableUids)
{
    const TCliRun First = RunCli({"festival", "Asara B'Tevet", "2024", "--years", "3", "--format", "ics"});
    ASSERT_EQ(First.ExitCode, 0) << First.Err;
    const std::vector<TParsedEvent> Events = ParseCalendar(First.Out);
    ASSERT_EQ(Events.size(), 3u);
    EXPECT_EQ(Events[0].Date, "20250110");
    EXPECT_EQ(Events[0].EndDate, "20250111");
    EXPECT_TRUE(Events[0].AllDay);
    EXPECT_EQ(Events[0].Summary, "Asara B'Tevet (10 Tevet 5785)");
    EXPECT_EQ(Events[0].Uid.rfind("2025-01-10-festival-", 0), 0u) << Events[0].Uid;
    std::set<std::string> Uids;
    for (const TParsedEvent& Event : Events)
        Uids.insert(Event.Uid);
    EXPECT_EQ(Uids.size(), 3u);
    const std::vector<TParsedEvent> Again =
        ParseCalendar(RunCli({"festival", "Asara B'Tevet", "2024", "--years", "3", "--format", "ics"}).Out);
    ASSERT_EQ(Again.size(), 3u);
    EXPECT_EQ(Again[2].Uid, Events[2].Uid);
    EXPECT_NE(First.Out.find("\r\nEND:VCALENDAR\r\n"), std::string::npos);
}

TEST(CliFestival, IsraelRules)
{
    EXPECT_EQ(RunCli({"festival", "Simchat Torah", "1995", "--israel"}).ExitCode, 1);
    EXPECT_EQ(RunCli({"festival", "Simchat Torah", "1995"}).ExitCode, 0);
}

TEST(CliFestivals, EveryFestivalOfTheYearInTableOrder)
{
    const TCliRun Run = RunCli({"festivals", "5758"});
    ASSERT_EQ(Run.ExitCode, 0) << Run.Err;
    const std::vector<std::string> Rows = Lines(Run.Out);
    ASSERT_EQ(Rows.size(), 45u);
    EXPECT_EQ(Rows[0], "1998-09-20  Sunday     29 Elul 5758     Erev Rosh Hashana");
    EXPECT_EQ(Rows[3], "1997-10-05  Sunday     4 Tishrei 5758   Tzom Gedalia");
    EXPECT_EQ(Lines(RunCli({"festivals", "5758", "--israel"}).Out).size(), 42u);
    const std::vector<std::string> Csv = Lines(RunCli({"festivals", "5758", "--format", "csv"}).Out);
    EXPECT_EQ(Csv.at(0), "date,weekday,jewishDate,name\r");
    EXPECT_EQ(Csv.at(23), "1997-12-29,Monday,30 Kislev 5758,Chanukah day 6\r");
    const std::vector<TParsedEvent> Events = ParseCalendar(RunCli({"festivals", "5758", "--format", "ics"}).Out);
    EXPECT_EQ(Events.size(), 45u);
    const std::string Json = RunCli({"festivals", "5758", "--format", "json"}).Out;
    EXPECT_EQ(Json.rfind("{\"year\": 5758, \"festivals\": [{\"date\": \"1998-09-20\", \"weekday\": \"Sunday\", "
                         "\"jewishDate\": \"29 Elul 5758\", \"name\": \"Erev Rosh Hashana\"}, ",
                         0),
              0u);
}

TEST(CliAnniversary, TheJewishDateThenOneDateAYear)
{
    EXPECT_EQ(RunCli({"anniversary", "1/12/70", "1995", "--years", "3"}).Out,
              "3 Kislev 5731\nSunday 26 November 1995\nThursday 14 November 1996\nTuesday 2 December 1997\n");
    EXPECT_EQ(RunCli({"anniversary", "1/12/70", "1995", "--years", "3", "--night"}).Out,
              "3 Kislev 5731\nSaturday 25 November 1995\nWednesday 13 November 1996\nMonday 1 December 1997\n");
    EXPECT_EQ(RunCli({"anniversary", "1/12/70", "1995", "--after-sunset"}).Out,
              "4 Kislev 5731\nMonday 27 November 1995\n");
    EXPECT_EQ(RunCli({"anniversary", "Dec 1 1970", "1995", "--order", "mdy"}).Out,
              "3 Kislev 5731\nSunday 26 November 1995\n");
    EXPECT_EQ(RunCli({"anniversary", "70/12/1", "1995", "--order", "ymd"}).Out,
              "3 Kislev 5731\nSunday 26 November 1995\n");
}

TEST(CliAnniversary, PlainAdarFollowsTheAdarChoice)
{
    EXPECT_EQ(Lines(RunCli({"anniversary", "8/3/98", "2000"}).Out).at(1), "Friday 17 March 2000");
    EXPECT_EQ(Lines(RunCli({"anniversary", "8/3/98", "2000", "--adar1"}).Out).at(1), "Wednesday 16 February 2000");
}

TEST(CliAnniversary, MachineFormats)
{
    EXPECT_EQ(RunCli({"anniversary", "1/12/70", "1995", "--years", "2", "--format", "json"}).Out,
              "{\"jewishDate\": \"3 Kislev 5731\", \"dates\": [{\"date\": \"1995-11-26\", \"text\": \"Sunday 26 "
              "November 1995\"}, {\"date\": \"1996-11-14\", \"text\": \"Thursday 14 November 1996\"}]}\n");
    EXPECT_EQ(RunCli({"anniversary", "1/12/70", "1995", "--night", "--format", "tsv"}).Out,
              "date\ttext\tjewishDate\n1995-11-25\tSaturday 25 November 1995\teve of 3 Kislev 5756\n");
    const std::vector<TParsedEvent> Events = ParseCalendar(
        RunCli({"anniversary", "1/12/70", "1995", "--years", "2", "--name", "Yahrtzeit of A, \"B\"", "--format",
                "ics"})
            .Out);
    ASSERT_EQ(Events.size(), 2u);
    EXPECT_EQ(Events[1].Date, "19961114");
    EXPECT_EQ(Events[1].Summary, "Yahrtzeit of A, \"B\" (3 Kislev 5757)");
    EXPECT_EQ(Events[1].Uid.rfind("1996-11-14-anniversary-", 0), 0u) << Events[1].Uid;
}

TEST(CliAnniversary, TwoPeopleOnOneJewishDateKeepTwoEvents)
{
    const auto Uid = [](const char* Born, const char* Name) {
        std::vector<std::string> Arguments{"anniversary", Born, "2027", "--format", "ics"};
        if (*Name) {
            Arguments.push_back("--name");
            Arguments.push_back(Name);
        }
        const std::vector<TParsedEvent> Events = ParseCalendar(RunCli(Arguments).Out);
        return Events.size() == 1 ? Events[0].Uid : std::string();
    };
    // Both born on 3 Kislev, in other years; and two names on one date.
    EXPECT_NE(Uid("1/12/70", ""), Uid("1/12/89", ""));
    EXPECT_NE(Uid("1/12/70", "Dan"), Uid("1/12/70", "Ruth"));
    EXPECT_EQ(Uid("1/12/70", "Dan"), Uid("1/12/70", "Dan"));
    EXPECT_FALSE(Uid("1/12/70", "").empty());
}

}  // namespace
}  // namespace mirvane
