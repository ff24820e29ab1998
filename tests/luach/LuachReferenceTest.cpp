// The luach of a table of years (every kind of year, the years each national
// day began and moved, Birkat HaChamah) against @hebcal/core's, in both rule
// sets. The fixtures are made by tools/luach-reference.mjs.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "engine/DateConversion.h"
#include "engine/GregorianDateText.h"
#include "luach/LuachDays.h"

namespace mirvane {
namespace {

using TYearKeys = std::map<std::string, std::string>;  // "category\tkey" -> dates, comma-separated

// Every year's lines of one fixture file, by year.
std::map<std::int32_t, TYearKeys> ReadFixture(const std::string& Name)
{
    std::ifstream File(std::string(MIRVANE_LUACH_FIXTURES) + "/" + Name);
    EXPECT_TRUE(File) << Name;
    std::map<std::int32_t, TYearKeys> Years;
    std::string Line;
    while (std::getline(File, Line)) {
        std::istringstream Fields(Line);
        std::string Year, Category, Key, Dates;
        std::getline(Fields, Year, '\t');
        std::getline(Fields, Category, '\t');
        std::getline(Fields, Key, '\t');
        std::getline(Fields, Dates);
        Years[std::stoi(Year)][Category + "\t" + Key] = Dates;
    }
    return Years;
}

// Ours, in the fixture's form: every entry of the year but the festivals.
TYearKeys OurYear(std::int32_t Year, TRules Rules)
{
    TLuachDays Days(Rules, TLuachShow::Default());
    const TDateTime First = JewishToDateTime(Year, Tishrei, 1);
    const TDateTime Last = JewishToDateTime(Year + 1, Tishrei, 1) - 1;
    TYearKeys Keys;
    for (Days.Seek(First); Days.Day() <= Last; Days.Next()) {
        for (const TLuachEntry* Entry : Days.Entries()) {
            if (Entry->Category == TLuachCategory::Festival)
                continue;
            std::string Date = IsoDateText(Days.Day());
            if (Entry->Molad)
                Date += "=" + std::to_string(Entry->Molad->Weekday - 1) + "/" + std::to_string(Entry->Molad->Hour) +
                        "/" + std::to_string(Entry->Molad->Minute) + "/" + std::to_string(Entry->Molad->Parts);
            std::string& Dates = Keys[std::string(LuachCategoryKey(Entry->Category)) + "\t" + std::string(Entry->Key)];
            Dates += (Dates.empty() ? "" : ",") + Date;
        }
        if (Days.Day() == Last)
            break;
    }
    return Keys;
}

class LuachReference : public testing::TestWithParam<TRules> {};

TEST_P(LuachReference, EveryKeyOfTheTableOfYears)
{
    const auto Years = ReadFixture(GetParam() == TRules::Israel ? "luach-israel.tsv" : "luach-diaspora.tsv");
    ASSERT_GE(Years.size(), 30u);
    for (const auto& [Year, Expected] : Years) {
        const TYearKeys Ours = OurYear(Year, GetParam());
        for (const auto& [Key, Dates] : Expected)
            EXPECT_EQ(Ours.count(Key) ? Ours.at(Key) : "", Dates) << Year << " " << Key;
        for (const auto& [Key, Dates] : Ours)
            EXPECT_TRUE(Expected.count(Key)) << Year << " " << Key << " " << Dates;
    }
}

INSTANTIATE_TEST_SUITE_P(RuleSets, LuachReference, testing::Values(TRules::Diaspora, TRules::Israel),
                         [](const auto& Info) { return Info.param == TRules::Israel ? "Israel" : "Diaspora"; });

}  // namespace
}  // namespace mirvane
