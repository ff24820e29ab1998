#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include <libical/ical.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {
namespace fs = std::filesystem;

// Every test has a data folder of its own, so the user's list is never
// touched and each starts empty.
class CliRemember : public ::testing::Test {
protected:
    void SetUp() override
    {
        char Pattern[] = "/tmp/mirvane-cli-remember-XXXXXX";
        ASSERT_NE(::mkdtemp(Pattern), nullptr);
        Folder = Pattern;
        ::setenv("XDG_DATA_HOME", Pattern, 1);
    }
    void TearDown() override
    {
        std::error_code Error;
        fs::remove_all(Folder, Error);
    }

    // A command with today fixed on 8 December 2026 (28 Kislev 5787).
    static TCliRun Remember(std::vector<std::string> Arguments)
    {
        Arguments.insert(Arguments.begin(), "remember");
        Arguments.insert(Arguments.begin() + 2, {"--today", "2026-12-08"});
        return RunCli(Arguments);
    }

    fs::path UserStore() const { return Folder / "Tellwen" / "Mirvane" / "remember.sqlite"; }

    void AddSamples()
    {
        EXPECT_EQ(Remember({"add", "Mom's birthday", "1/12/70"}).Out, "1\n");
        EXPECT_EQ(Remember({"add", "Zeyde, \"z\"l\"", "--jewish-date", "14 Adar 5786", "--days-before", "0"}).Out,
                  "2\n");
        EXPECT_EQ(Remember({"add", "Trip", "2026-12-10", "--order", "ymd", "--kind", "once"}).Out, "3\n");
        EXPECT_EQ(Remember({"add", "Wedding", "12/15/1999", "--order", "mdy", "--kind", "gregorian"}).Out, "4\n");
    }

    fs::path Folder;
};

std::string FileText(const fs::path& File)
{
    std::ifstream Stream(File, std::ios::binary);
    std::ostringstream Text;
    Text << Stream.rdbuf();
    return Text.str();
}

TEST_F(CliRemember, AddedDatesAreListedInEachFormat)
{
    AddSamples();
    EXPECT_TRUE(fs::exists(UserStore()));
    EXPECT_EQ(Remember({"list"}).Out, "1  Mom's birthday  1970-12-01  3 Kislev 5731   2027-12-03\n"
                                      "3  Trip            2026-12-10  30 Kislev 5787  2026-12-10\n"
                                      "4  Wedding         1999-12-15  6 Tevet 5760    2026-12-15\n"
                                      "2  Zeyde, \"z\"l\"    2026-03-03  14 Adar 5786    2027-03-23\n");
    EXPECT_EQ(Remember({"list", "--sort", "date", "--format", "csv"}).Out,
              "id,occasion,date,jewishDate,afterSunset,kind,daysBefore,next,nextText\r\n"
              "3,Trip,2026-12-10,30 Kislev 5787,false,once,7,2026-12-10,Thursday 10 December 2026\r\n"
              "4,Wedding,1999-12-15,6 Tevet 5760,false,gregorian,7,2026-12-15,Tuesday 15 December 2026\r\n"
              "2,\"Zeyde, \"\"z\"\"l\"\"\",2026-03-03,14 Adar 5786,false,jewish,0,2027-03-23,Tuesday 23 March 2027\r\n"
              "1,Mom's birthday,1970-12-01,3 Kislev 5731,false,jewish,7,2027-12-03,Friday 3 December 2027\r\n");
    // A plain Adar falls in Adar I of the leap year 5787 when asked.
    EXPECT_NE(Remember({"list", "--adar1", "--format", "tsv"}).Out.find("\t2027-02-21\t"), std::string::npos);
}

TEST_F(CliRemember, JsonHoldsEveryFieldAndNullForNoNextDate)
{
    EXPECT_EQ(Remember({"add", "\xD7\xA9\xD7\xA8\xD7\x94 \xF0\x9F\x8E\x82", "30/11/2026", "--after-sunset", "--kind",
                        "once", "--days-before", "365"})
                  .Out,
              "1\n");
    EXPECT_EQ(Remember({"list", "--format", "json"}).Out,
              "{\"dates\": [{\"id\": 1, \"occasion\": \"\xD7\xA9\xD7\xA8\xD7\x94 \xF0\x9F\x8E\x82\", \"date\": "
              "\"2026-11-30\", \"jewishDate\": \"21 Kislev 5787\", \"afterSunset\": true, \"kind\": \"once\", "
              "\"daysBefore\": 365, \"next\": null, \"nextText\": \"\", \"what\": \"other\", \"adar\": null, "
              "\"shortMonth\": null, \"adar1Thirty\": null, \"burial\": null, \"nextByBurial\": false}]}\n");
    EXPECT_NE(RunCli({"remember", "list", "--format", "json", "--today", "2026-11-01"}).Out.find(
                  "\"next\": \"2026-11-30\""),
              std::string::npos);
}

// The kind names the entry, the customs move its days, and the json and the
// calendar file carry them.
TEST_F(CliRemember, KindsAndCustomsAreKeptListedAndExported)
{
    EXPECT_EQ(Remember({"add", "Zeyde", "--jewish-date", "14 Adar 5786", "--what", "yahrzeit", "--adar", "both"}).Out,
              "1\n");
    EXPECT_EQ(Remember({"add", "Bobe", "--jewish-date", "10 Tevet 5786", "--what", "yahrzeit", "--short-month", "29",
                        "--adar1-30", "shvat", "--burial", "31/12/2025"})
                  .Out,
              "2\n");
    EXPECT_EQ(Remember({"list"}).Out, "2  Yahrzeit: Bobe   2025-12-30  10 Tevet 5786  2026-12-21 (first yahrzeit, by the burial)\n"
                                      "1  Yahrzeit: Zeyde  2026-03-03  14 Adar 5786   2027-02-21\n");
    const std::string Json = Remember({"list", "--format", "json"}).Out;
    EXPECT_NE(Json.find("\"what\": \"yahrzeit\", \"adar\": null, \"shortMonth\": \"29\", \"adar1Thirty\": "
                        "\"shvat\", \"burial\": \"2025-12-31\", \"nextByBurial\": true}"),
              std::string::npos)
        << Json;
    EXPECT_NE(Json.find("\"adar\": \"both\", \"shortMonth\": null, \"adar1Thirty\": null, \"burial\": null, "
                        "\"nextByBurial\": false, \"dates\": [\"2027-02-21\", \"2027-03-23\"]"),
              std::string::npos)
        << Json;
    EXPECT_EQ(Remember({"add", "x", "1/1/2026", "--what", "grandpa"}).ExitCode, 2);
    EXPECT_EQ(Remember({"add", "x", "1/1/2026", "--burial", "31/12/2025"}).ExitCode, 2);

    const std::string Ics = Remember({"export", "--years", "2", "--format", "ics"}).Out;
    EXPECT_NE(Ics.find("SUMMARY:Yahrzeit: Zeyde (14 Adar1 5787)\r\nCATEGORIES:Yahrzeit\r\nX-MIRVANE-ENTRY:1\r\n"),
              std::string::npos)
        << Ics;
    for (const char* Property :
         {"X-MIRVANE-WHAT:yahrzeit\r\n", "X-MIRVANE-DATE:10 Tevet 5786\r\n", "X-MIRVANE-RECURS:jewish\r\n",
          "X-MIRVANE-AFTER-SUNSET:FALSE\r\n", "X-MIRVANE-DAYS-BEFORE:7\r\n", "X-MIRVANE-ADAR:both\r\n",
          "X-MIRVANE-ADAR:options\r\n", "X-MIRVANE-SHORT-MONTH:29\r\n", "X-MIRVANE-ADAR1-30:shvat\r\n",
          "X-MIRVANE-BURIAL:2025-12-31\r\n"})
        EXPECT_NE(Ics.find(Property), std::string::npos) << Property;
    // Zeyde's own day in 2026 and both Adars of the leap year 5787; Bobe's
    // first yahrzeit, by the burial (her second falls in 2028).
    std::size_t Events = 0;
    for (std::size_t At = Ics.find("BEGIN:VEVENT"); At != std::string::npos; At = Ics.find("BEGIN:VEVENT", At + 1))
        ++Events;
    EXPECT_EQ(Events, 4u);
}

TEST_F(CliRemember, HebrewDatesAreTypedAndListed)
{
    EXPECT_EQ(Remember({"add", "Mom's birthday", "--jewish-date", "ג׳ כסלו תשל״א"}).Out, "1\n");
    EXPECT_EQ(Remember({"list", "--hebrew", "--format", "tsv"}).Out,
              "id\toccasion\tdate\tjewishDate\tafterSunset\tkind\tdaysBefore\tnext\tnextText\n"
              "1\tMom's birthday\t1970-12-01\tג׳ כסלו תשל״א\tfalse\tjewish\t7\t2027-12-03\tFriday 3 December 2027\n");
    EXPECT_NE(Remember({"list", "--hebrew", "--format", "json"})
                  .Out.find("\"jewishDate\": \"3 Kislev 5731\", \"jewishDateHebrew\": \"ג׳ כסלו תשל״א\", "
                            "\"afterSunset\": false"),
              std::string::npos);
}

TEST_F(CliRemember, DueListsWhatFallsWithinItsDaysBeforeSoonestFirst)
{
    AddSamples();
    EXPECT_EQ(Remember({"due"}).Out, "2026-12-10  2  Trip\n2026-12-15  7  Wedding\n");
    EXPECT_EQ(RunCli({"remember", "due", "--today", "2027-03-23"}).Out, "2027-03-23  0  Zeyde, \"z\"l\"\n");
    EXPECT_EQ(RunCli({"remember", "due", "--today", "2027-03-23", "--adar1"}).Out, "");
}

TEST_F(CliRemember, RemoveAndAnotherStoreFile)
{
    AddSamples();
    EXPECT_EQ(Remember({"remove", "3"}).ExitCode, 0);
    EXPECT_EQ(Lines(Remember({"list"}).Out).size(), 3u);
    const fs::path Other = Folder / "elsewhere.sqlite";
    EXPECT_EQ(Remember({"add", "Only here", "1/1/2000", "--store", Other.string()}).Out, "1\n");
    EXPECT_EQ(Lines(Remember({"list", "--store", Other.string()}).Out).size(), 1u);
    EXPECT_EQ(Lines(Remember({"list"}).Out).size(), 3u);
}

struct TParsedEvent {
    std::string Start;
    std::string End;
    bool AllDay = false;
    std::string Summary;
    std::string Uid;
};

std::vector<TParsedEvent> ParseCalendar(const std::string& Text)
{
    std::vector<TParsedEvent> Events;
    icalcomponent* Calendar = icalparser_parse_string(Text.c_str());
    EXPECT_TRUE(Calendar);
    if (!Calendar)
        return Events;
    EXPECT_EQ(icalcomponent_count_errors(Calendar), 0);
    for (icalcomponent* Event = icalcomponent_get_first_component(Calendar, ICAL_VEVENT_COMPONENT); Event;
         Event = icalcomponent_get_next_component(Calendar, ICAL_VEVENT_COMPONENT)) {
        const icaltimetype Start = icalcomponent_get_dtstart(Event);
        const icaltimetype End = icalcomponent_get_dtend(Event);
        char StartText[16];
        char EndText[16];
        std::snprintf(StartText, sizeof StartText, "%04d%02d%02d", Start.year, Start.month, Start.day);
        std::snprintf(EndText, sizeof EndText, "%04d%02d%02d", End.year, End.month, End.day);
        Events.push_back({StartText, EndText, Start.is_date == 1, icalcomponent_get_summary(Event),
                          icalcomponent_get_uid(Event)});
    }
    icalcomponent_free(Calendar);
    return Events;
}

TEST_F(CliRemember, ExportWritesOneAllDayEventADateWithStableUids)
{
    AddSamples();
    const TCliRun First = Remember({"export", "--years", "2", "--format", "ics"});
    ASSERT_EQ(First.ExitCode, 0) << First.Err;
    EXPECT_NE(First.Out.find("\r\nDTSTART;VALUE=DATE:20261210\r\nDTEND;VALUE=DATE:20261211\r\n"), std::string::npos);
    const std::vector<TParsedEvent> Events = ParseCalendar(First.Out);
    // Two years of the three yearly entries and the trip once.
    ASSERT_EQ(Events.size(), 7u);
    for (const TParsedEvent& Event : Events)
        EXPECT_TRUE(Event.AllDay) << Event.Summary;
    EXPECT_EQ(Events.front().Start, "20260303");
    EXPECT_EQ(Events.front().End, "20260304");
    EXPECT_EQ(Events.front().Summary, "Zeyde, \"z\"l\" (14 Adar 5786)");
    EXPECT_EQ(Events.front().Uid.rfind("2026-03-03-remember-", 0), 0u) << Events.front().Uid;
    const std::vector<TParsedEvent> Again = ParseCalendar(Remember({"export", "--years", "2", "--format", "ics"}).Out);
    ASSERT_EQ(Again.size(), Events.size());
    for (std::size_t Index = 0; Index < Events.size(); ++Index)
        EXPECT_EQ(Again[Index].Uid, Events[Index].Uid);

    const std::vector<std::string> Csv = Lines(Remember({"export", "--years", "1", "--format", "csv"}).Out);
    ASSERT_EQ(Csv.size(), 5u);
    EXPECT_EQ(Csv[0], "date,occasion,jewishDate,summary,uid\r");
    EXPECT_EQ(Csv[2].rfind("2026-11-13,Mom's birthday,3 Kislev 5787,Mom's birthday (3 Kislev 5787),2026-11-13-remember-", 0),
              0u)
        << Csv[2];
}

TEST_F(CliRemember, RefusalsExitWithTwoOrOne)
{
    AddSamples();
    struct TCase {
        std::vector<std::string> Arguments;
        int ExitCode;
    };
    const std::string Long(101, 'a');
    const TCase Cases[] = {
        {{"add", "x", "31/2/2000"}, 2},
        {{"add", "x", "yesterday"}, 2},
        {{"add", "x", "--jewish-date", "30 Cheshvan 5786"}, 2},
        {{"add", "x", "--jewish-date", "14 Adar2 5786"}, 2},
        {{"add", "x", "--jewish-date", "1 Tishrei 3762"}, 2},
        {{"add", "x", "1/1/2000", "--jewish-date", "1 Tishrei 5786"}, 2},
        {{"add", "x"}, 2},
        {{"add", Long, "1/1/2000"}, 2},
        {{"add", "   ", "1/1/2000"}, 2},
        {{"add", "bad \xFF", "1/1/2000"}, 2},
        {{"add", "tab\there", "1/1/2000"}, 2},
        {{"add", "x", "1/1/2000", "--days-before", "366"}, 2},
        {{"add", "x", "1/1/2000", "--kind", "monthly"}, 2},
        {{"remove", "99"}, 1},
        {{"remove", "one"}, 2},
        {{"list", "--sort", "name"}, 2},
        {{"export", "--years", "201", "--format", "ics"}, 2},
        {{"export", "--format", "json"}, 2},
    };
    for (const TCase& Case : Cases) {
        const TCliRun Run = Remember(Case.Arguments);
        EXPECT_EQ(Run.ExitCode, Case.ExitCode) << Case.Arguments[1] << Run.Err;
        EXPECT_EQ(Run.Out, "") << Case.Arguments[1];
    }
    EXPECT_EQ(Lines(Remember({"list"}).Out).size(), 4u);
    const std::string Exact(100, 'a');
    EXPECT_EQ(Remember({"add", Exact, "1/1/2000"}).ExitCode, 0);
}

TEST_F(CliRemember, ADamagedStoreIsReportedAndLeftAsItIs)
{
    fs::create_directories(UserStore().parent_path());
    {
        std::ofstream File(UserStore(), std::ios::binary);
        File << "not a database of dates";
    }
    for (const std::vector<std::string>& Arguments :
         {std::vector<std::string>{"list"}, {"add", "x", "1/1/2000"}, {"due"}, {"remove", "1"}}) {
        const TCliRun Run = Remember(Arguments);
        EXPECT_EQ(Run.ExitCode, 1) << Arguments[0];
        EXPECT_NE(Run.Err.find(UserStore().string()), std::string::npos) << Run.Err;
    }
    EXPECT_EQ(FileText(UserStore()), "not a database of dates");
    EXPECT_EQ(std::distance(fs::directory_iterator(UserStore().parent_path()), fs::directory_iterator()), 1);
}

// Import: a dry run adds nothing, the import adds the file's entries, a
// second import adds nothing and still succeeds, a damaged file fails.
TEST_F(CliRemember, ImportAddsAFilesDatesOnce)
{
    const std::string File = std::string(MIRVANE_IMPORT_FIXTURES) + "/family-70.ged";
    const TCliRun Dry = Remember({"import", File, "--dry-run"});
    EXPECT_EQ(Dry.ExitCode, 0) << Dry.Err;
    EXPECT_EQ(Lines(Dry.Out).back(), "Would add 4, skipped 1.");
    EXPECT_EQ(Remember({"list"}).Out, "");
    const TCliRun Added = Remember({"import", File, "--format", "json"});
    EXPECT_EQ(Added.ExitCode, 0) << Added.Err;
    const nlohmann::json Json = nlohmann::json::parse(Added.Out);
    EXPECT_EQ(Json["format"], "gedcom");
    EXPECT_EQ(Json["added"].size(), 4u);
    EXPECT_EQ(Json["added"][0]["id"], 1);
    EXPECT_EQ(Json["skipped"][0]["reason"], "no date");
    EXPECT_EQ(Lines(Remember({"list"}).Out).size(), 4u);
    const TCliRun Again = Remember({"import", File, "--from", "gedcom"});
    EXPECT_EQ(Again.ExitCode, 0);
    EXPECT_EQ(Lines(Again.Out).back(), "Added 0, skipped 5.");
    const fs::path Damaged = Folder / "damaged.csv";
    std::ofstream(Damaged) << "Name,Date\n\"open,1/1/1970\n";
    const TCliRun Refused = Remember({"import", Damaged.string()});
    EXPECT_EQ(Refused.ExitCode, 1);
    EXPECT_NE(Refused.Err.find("line 2"), std::string::npos) << Refused.Err;
    EXPECT_EQ(Lines(Remember({"list"}).Out).size(), 4u);
}

}  // namespace
}  // namespace mirvane
