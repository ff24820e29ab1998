#include <gtest/gtest.h>

#include "engine/DateServices.h"
#include "luach/LearningEntries.h"
#include "luach/LuachDays.h"
#include "luach/MoladAnnouncement.h"
#include "luach/OmerCount.h"

namespace mirvane {
namespace {

TEST(OmerCount, DayTextsAndTheCountAsSaid)
{
    struct TCase {
        std::int32_t Day;
        const char* Short;
        const char* Hebrew;
        const char* Sentence;
        const char* HebrewSentence;
    };
    const TCase Cases[] = {
        {1, "Omer day 1", "עומר א׳", "Today is one day of the Omer", "היום יום אחד לעומר"},
        {7, "Omer day 7", "עומר ז׳", "Today is seven days, which are one week of the Omer",
         "היום שבעה ימים, שהם שבוע אחד לעומר"},
        {10, "Omer day 10", "עומר י׳", "Today is ten days, which are one week and three days of the Omer",
         "היום עשרה ימים, שהם שבוע אחד ושלושה ימים לעומר"},
        {15, "Omer day 15", "עומר ט״ו", "Today is fifteen days, which are two weeks and one day of the Omer",
         "היום חמישה עשר יום, שהם שני שבועות ויום אחד לעומר"},
        {33, "Omer day 33", "עומר ל״ג",
         "Today is thirty-three days, which are four weeks and five days of the Omer",
         "היום שלושה ושלושים יום, שהם ארבעה שבועות וחמישה ימים לעומר"},
        {49, "Omer day 49", "עומר מ״ט", "Today is forty-nine days, which are seven weeks of the Omer",
         "היום תשעה וארבעים יום, שהם שבעה שבועות לעומר"},
        {50, "", "", "", ""},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(OmerDayText(Case.Day), Case.Short);
        EXPECT_EQ(HebrewOmerDayText(Case.Day), Case.Hebrew);
        EXPECT_EQ(OmerCountSentence(Case.Day), Case.Sentence);
        EXPECT_EQ(HebrewOmerCountSentence(Case.Day), Case.HebrewSentence);
    }
}

TEST(MoladAnnouncement, MinutesAndPartsAfterTheHour)
{
    EXPECT_EQ(MoladAnnouncement("Shvat", {4, 21, 17, 6}), "Molad Shvat: Wednesday, 17 minutes and 6 parts after 21:00");
    EXPECT_EQ(HebrewMoladAnnouncement("שבט", {4, 21, 17, 6}), "מולד שבט: יום רביעי, 17 דקות ו-6 חלקים אחרי 21:00");
    EXPECT_EQ(MoladAnnouncement("Av", {7, 5, 1, 0}), "Molad Av: Saturday, 1 minute after 05:00");
    EXPECT_EQ(MoladAnnouncement("Av", {1, 0, 0, 1}), "Molad Av: Sunday, 1 part after 00:00");
    EXPECT_EQ(MoladAnnouncement("Av", {1, 9, 0, 0}), "Molad Av: Sunday, at 09:00");
}

// Rosh Chodesh Shvat on 9 January 2027 with its molad announced the Shabbat
// before (the year command's "Thursday 23:55 and 5 parts"), Yom HaAtzma'ut on
// 12 May 2027.
TEST(LuachDays, NamedEntriesOfKnownDays)
{
    const auto TextOn = [](TDateTime Day, bool Hebrew) {
        TLuachDays Days(TRules::Diaspora, TLuachShow::Default());
        Days.Seek(Day);
        return LuachDayText(Days.Entries(), Hebrew);
    };
    EXPECT_EQ(TextOn(EncodeDate(2027, 1, 9), false), "Rosh Chodesh Shvat");
    EXPECT_EQ(TextOn(EncodeDate(2027, 1, 9), true), "ראש חודש שבט");
    EXPECT_EQ(TextOn(EncodeDate(2027, 1, 2), false),
              "Shabbat Mevarchim Shvat. Molad Shvat: Thursday, 55 minutes and 5 parts after 23:00");
    EXPECT_EQ(TextOn(EncodeDate(2027, 5, 12), false), "Omer day 20, Yom HaAtzma'ut");
    EXPECT_EQ(TextOn(EncodeDate(2027, 3, 9), false), "Rosh Chodesh Adar II");
}

TEST(LuachDays, TheFirstAndTheLastDaysOfTheCalendar)
{
    TLuachDays Days(TRules::Israel, *ParseLuachShow("all"));
    Days.Seek(EncodeDate(2, 11, 1));
    EXPECT_EQ(Days.Jewish(), (TJewishDate{3763, Cheshvan, 9}));
    Days.Seek(EncodeDate(9999, 12, 31));
    Days.Entries();
    Days.Next();
    EXPECT_EQ(Days.Gregorian(), (TGregorianDate{10000, 1, 1}));
}

TEST(LuachShow, ListsReadBackAndUnknownKeysAreNamed)
{
    EXPECT_EQ(LuachShowList(TLuachShow::Default()), "festivals,rosh-chodesh,omer,special-shabbat,mevarchim,modern,minor");
    EXPECT_EQ(ParseLuachShow(" omer , minor,"), ParseLuachShow(LuachShowList(*ParseLuachShow("minor,omer"))));
    EXPECT_EQ(LuachShowList(*ParseLuachShow("")), "");
    const TLuachShow All = *ParseLuachShow("all");
    EXPECT_EQ(All.Cycles.count(), LearningCycleKeys().size());
    EXPECT_TRUE(All.Shows(TLuachCategory::Festival));
    std::string Unknown;
    EXPECT_FALSE(ParseLuachShow("omer,shabbos", &Unknown));
    EXPECT_EQ(Unknown, "shabbos");
}

}  // namespace
}  // namespace mirvane
