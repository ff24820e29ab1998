// The festivals and times a sync keeps beside the dates to remember. The
// festivals' dates are hebcal's, and so are the times at New York, from
// tests/times/fixtures/holy-days.json.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "engine/DateServices.h"
#include "sync/ObjectScan.h"
#include "sync/SyncExtras.h"
#include "times/TimeZone.h"

namespace mirvane {
namespace {

TSyncExtras FromJanuary2026()
{
    TSyncExtras Extras;
    Extras.From = EncodeDate(2026, 1, 1);
    return Extras;
}

bool Holds(const std::vector<TSyncEvent>& Events, const std::string& Text)
{
    return std::any_of(Events.begin(), Events.end(),
                       [&](const TSyncEvent& Event) { return Event.Text.find(Text) != std::string::npos; });
}

// Each is its own object, marked ours with its kind, under a UID of its own
// that a second run gives again.
void ExpectMarkedAndStable(const std::vector<TSyncEvent>& Events, const std::vector<TSyncEvent>& Again,
                           const char* Source)
{
    ASSERT_EQ(Events.size(), Again.size());
    std::set<std::string> Uids;
    for (std::size_t Index = 0; Index < Events.size(); ++Index) {
        const TObjectFacts Facts = ScanObject(Events[Index].Text);
        EXPECT_TRUE(Facts.Ours);
        EXPECT_EQ(Facts.Uid, Events[Index].Uid);
        EXPECT_EQ(Facts.Digest, Events[Index].Digest);
        EXPECT_TRUE(Events[Index].Uid.starts_with("mirvane-")) << Events[Index].Uid;
        EXPECT_NE(Events[Index].Text.find(std::string("X-MIRVANE-SOURCE:") + Source), std::string::npos);
        EXPECT_EQ(Events[Index].Text.find("X-MIRVANE-ENTRY"), std::string::npos);
        EXPECT_EQ(Again[Index].Uid, Events[Index].Uid);
        EXPECT_EQ(Again[Index].Digest, Events[Index].Digest);
        Uids.insert(Events[Index].Uid);
    }
    EXPECT_EQ(Uids.size(), Events.size());
}

TEST(SyncExtrasTest, NothingUnlessChosen)
{
    EXPECT_TRUE(ExtraSyncEvents(FromJanuary2026()).empty());
}

TEST(SyncExtrasTest, TheFestivalsOfTwelveMonthsEachAnEventOfOurs)
{
    TSyncExtras Extras = FromJanuary2026();
    Extras.Festivals = true;
    const std::vector<TSyncEvent> Events = ExtraSyncEvents(Extras);
    ExpectMarkedAndStable(Events, ExtraSyncEvents(Extras), "festivals");
    EXPECT_TRUE(Holds(Events, "DTSTART;VALUE=DATE:20260912\r\nDTEND;VALUE=DATE:20260913\r\nSUMMARY:Rosh Hashana day 1"));
    EXPECT_TRUE(Holds(Events, "DTSTART;VALUE=DATE:20260921\r\nDTEND;VALUE=DATE:20260922\r\nSUMMARY:YomKippur day"));
    EXPECT_TRUE(Holds(Events, "DTSTART;VALUE=DATE:20260402\r\nDTEND;VALUE=DATE:20260403\r\nSUMMARY:Pessach day 1"));
    // Chanukah 5787 begins on 5 December 2026; that of 5785 ended before the year.
    EXPECT_TRUE(Holds(Events, "DTSTART;VALUE=DATE:20261205"));
    EXPECT_FALSE(Holds(Events, "DTSTART;VALUE=DATE:2025"));
    EXPECT_FALSE(Holds(Events, "DTSTART;VALUE=DATE:2027"));
}

TEST(SyncExtrasTest, TheCandleLightingTimesAtThePlaceChosen)
{
    const TTimeZone* NewYork = FindTimeZone("America/New_York");
    ASSERT_NE(NewYork, nullptr);
    TSyncExtras Extras;
    Extras.From = EncodeDate(2026, 9, 1);
    Extras.Candles = TTimesSite{{40.71427, -74.00597}, NewYork, {18, 0, true}};
    const std::vector<TSyncEvent> Events = ExtraSyncEvents(Extras);
    ExpectMarkedAndStable(Events, ExtraSyncEvents(Extras), "candles");
    EXPECT_TRUE(Holds(Events, "DTSTART:20260904T230500Z\r\nSUMMARY:Candle lighting 19:05"));
    EXPECT_TRUE(Holds(Events, "DTSTART:20260911T225300Z\r\nSUMMARY:Candle lighting 18:53"));
    const auto Candles = std::count_if(Events.begin(), Events.end(), [](const TSyncEvent& Event) {
        return Event.Text.find("SUMMARY:Candle lighting") != std::string::npos;
    });
    EXPECT_GE(Candles, 52 + 8);  // every Friday, and the festivals' eves
    EXPECT_FALSE(Holds(Events, "DTSTART:202608"));
    EXPECT_FALSE(Holds(Events, "DTSTART:202709"));
}

}  // namespace
}  // namespace mirvane
