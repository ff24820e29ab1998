#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/cli/CliRun.h"

namespace mirvane {
namespace {

std::string Out(const std::vector<std::string>& Arguments)
{
    const TCliRun Run = RunCli(Arguments);
    EXPECT_EQ(Run.ExitCode, 0) << Run.Err;
    return Run.Out;
}

// Every key of Plain keeps its value in WithTwins: the twins only add.
void ExpectOnlyAdded(const std::string& Plain, const std::string& WithTwins, const std::vector<std::string>& Twins)
{
    std::string Stripped = WithTwins;
    for (const std::string& Key : Twins) {
        const std::string Member = ", \"" + Key + "\": \"";
        for (std::size_t At = Stripped.find(Member); At != std::string::npos; At = Stripped.find(Member)) {
            const std::size_t End = Stripped.find('"', At + Member.size());
            Stripped.erase(At, End + 1 - At);
        }
    }
    EXPECT_EQ(Stripped, Plain);
}

TEST(CliHebrew, DaysKeepFiveFieldsAndAddTheHebrewDate)
{
    EXPECT_EQ(Out({"days", "2024-12-27", "2024-12-28"}),
              "2024-12-27\t5785\t9\t26\tChanukah day 2\n2024-12-28\t5785\t9\t27\tChanukah day 3 Miketz \n");
    EXPECT_EQ(Out({"days", "2024-12-27", "2024-12-28", "--hebrew"}),
              "2024-12-27\t5785\t9\t26\tחנוכה ב׳\tכ״ו כסלו תשפ״ה\n"
              "2024-12-28\t5785\t9\t27\tחנוכה ג׳ מקץ\tכ״ז כסלו תשפ״ה\n");
    EXPECT_EQ(Out({"days", "2026-03-14", "2026-03-14", "--hebrew"}), "2026-03-14\t5786\t12\t25\tויקהל-פקודי\tכ״ה אדר תשפ״ו\n");
}

TEST(CliHebrew, MonthInHebrewAndJsonTwins)
{
    const std::vector<std::string> Text = Lines(Out({"month", "2026-12-06", "--hebrew"}));
    ASSERT_GE(Text.size(), 8u);
    EXPECT_EQ(Text[0], "           2026  תשפ״ז");
    EXPECT_EQ(Text[1], "           Dec   כסלו/טבת");
    EXPECT_EQ(Text[7], "Sunday     6     כ״ו       חנוכה ב׳");
    EXPECT_EQ(Lines(Out({"month", "2026-12-06", "--hebrew", "--format", "tsv"})).at(7), "Sunday\t6\tכ״ו\tחנוכה ב׳");

    const std::string Plain = Out({"month", "2026-12-06", "--format", "json"});
    const std::string Json = Out({"month", "2026-12-06", "--format", "json", "--hebrew"});
    EXPECT_NE(Json.find("\"jewishDate\": \"26 Kislev 5787\", \"text\": \"Chanukah day 2\", \"jewishDayHebrew\": "
                        "\"כ״ו\", \"jewishDateHebrew\": \"כ״ו כסלו תשפ״ז\", \"textHebrew\": \"חנוכה ב׳\"}"),
              std::string::npos);
    EXPECT_NE(Json.find("\"headingsHebrew\": [[\"\", \"2026\", \"תשפ״ז\", \"\"], [\"\", \"Dec\", \"כסלו/טבת\", \"\"]]"),
              std::string::npos);
    std::string WithoutHeadings = Json;
    const std::size_t At = WithoutHeadings.find(", \"headingsHebrew\"");
    WithoutHeadings.erase(At, WithoutHeadings.find(", \"days\"") - At);
    ExpectOnlyAdded(Plain, WithoutHeadings, {"jewishDayHebrew", "jewishDateHebrew", "textHebrew"});
}

TEST(CliHebrew, ConvertBothWays)
{
    EXPECT_EQ(Out({"convert", "1970-12-01"}), "3 Kislev 5731\n");
    EXPECT_EQ(Out({"convert", "1970-12-01", "--hebrew"}), "ג׳ כסלו תשל״א\n");
    EXPECT_EQ(Out({"convert", "ג׳ כסלו תשל״א"}), "1970-12-01 Tuesday 1 December 1970\n");
    EXPECT_EQ(Out({"convert", "י\"ד אדר ב' תשפ\"ד"}), "2024-03-24 Sunday 24 March 2024\n");
    EXPECT_EQ(Out({"convert", "3943-03-01", "--hebrew"}), "י׳ אדר א׳ ז׳תש״ג\n");
    EXPECT_EQ(Out({"convert", "י׳ אדר א׳ ז׳תש״ג"}), "3943-03-01 Monday 1 March 3943\n");
    const TCliRun Refused = RunCli({"convert", "ל׳ חשון תשפ״ו"});
    EXPECT_EQ(Refused.ExitCode, 2);
    EXPECT_NE(Refused.Err.find("not a Jewish date of the calendar in Hebrew"), std::string::npos) << Refused.Err;
}

TEST(CliHebrew, FestivalsInHebrewAndNamedInHebrew)
{
    EXPECT_EQ(Lines(Out({"festivals", "5758", "--hebrew"})).at(0), "1998-09-20  Sunday     כ״ט אלול תשנ״ח  ערב ראש השנה");
    EXPECT_EQ(Lines(Out({"festivals", "5758", "--hebrew", "--format", "csv"})).at(23),
              "1997-12-29,Monday,ל׳ כסלו תשנ״ח,חנוכה ו׳\r");
    const std::string Plain = Out({"festivals", "5758", "--format", "json"});
    const std::string Json = Out({"festivals", "5758", "--format", "json", "--hebrew"});
    EXPECT_NE(Json.find("\"name\": \"Erev Rosh Hashana\", \"jewishDateHebrew\": \"כ״ט אלול תשנ״ח\", \"nameHebrew\": "
                        "\"ערב ראש השנה\"}"),
              std::string::npos);
    ExpectOnlyAdded(Plain, Json, {"jewishDateHebrew", "nameHebrew"});

    EXPECT_EQ(Out({"festival", "פורים", "1995"}), "Thursday 16 March 1995\n");
    EXPECT_EQ(Out({"festival", "פורים", "1995", "--hebrew", "--format", "tsv"}),
              "date\ttext\tjewishDate\n1995-03-16\tThursday 16 March 1995\tי״ד אדר ב׳ תשנ״ה\n");
    EXPECT_EQ(Out({"festival", "Purim", "1995", "--hebrew", "--format", "json"}),
              "{\"name\": \"Purim\", \"nameHebrew\": \"פורים\", \"dates\": [{\"date\": \"1995-03-16\", \"text\": "
              "\"Thursday 16 March 1995\"}]}\n");
    EXPECT_EQ(RunCli({"festival", "שמחת תורה", "1995", "--israel"}).ExitCode, 1);
}

TEST(CliHebrew, AnniversaryInHebrew)
{
    EXPECT_EQ(Out({"anniversary", "1/12/70", "1995", "--hebrew"}), "ג׳ כסלו תשל״א\nSunday 26 November 1995\n");
    EXPECT_EQ(Out({"anniversary", "1/12/70", "1995", "--night", "--hebrew", "--format", "tsv"}),
              "date\ttext\tjewishDate\n1995-11-25\tSaturday 25 November 1995\tערב ג׳ כסלו תשנ״ו\n");
    EXPECT_EQ(Out({"anniversary", "1/12/70", "1995", "--hebrew", "--format", "json"}),
              "{\"jewishDate\": \"3 Kislev 5731\", \"jewishDateHebrew\": \"ג׳ כסלו תשל״א\", \"dates\": [{\"date\": "
              "\"1995-11-26\", \"text\": \"Sunday 26 November 1995\"}]}\n");
}

}  // namespace
}  // namespace mirvane
