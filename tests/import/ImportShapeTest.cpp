#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "import/ImportPlan.h"

namespace mirvane {
namespace {

TImportedEvent Yearly(std::string Title, TGregorianDate Day, std::string Uid = {})
{
    TImportedEvent Event;
    Event.Title = std::move(Title);
    Event.Gregorian = Day;
    Event.DateText = "x";
    Event.Uid = std::move(Uid);
    return Event;
}

TEST(ImportShape, TitlesLoseTheirYearAndKind)
{
    EXPECT_EQ(TitleWithoutYear("Moshe Levi's 36th Yahrzeit"), "Moshe Levi's Yahrzeit");
    EXPECT_EQ(TitleWithoutYear("Dana's Birthday (3 Kislev 5731) [2026]"), "Dana's Birthday");
    EXPECT_EQ(TitleWithoutYear("Route 66"), "Route 66");
    EXPECT_EQ(WhatSaidIn("Yahrtzeit of Zeyde"), TOccasionWhat::Yahrzeit);
    EXPECT_EQ(WhatSaidIn("Sarah's 43rd Hebrew Birthday"), TOccasionWhat::Birthday);
    EXPECT_EQ(WhatSaidIn("Dentist"), std::nullopt);
}

// 13 Kislev: 23 November 2026 (5787), 13 December 2027 (5788), 1 December
// 2028 (5789); the first is the 36th yahrzeit, so the death was in 5751.
TEST(ImportShape, OneEventAYearIsOneEntryOnItsJewishDate)
{
    const std::vector<TImportCandidate> Shaped =
        ShapeEntries({Yearly("Moshe Levi's 37th Yahrzeit", {2027, 12, 13}, "y-moshe-5788"),
                      Yearly("Moshe Levi's 36th Yahrzeit", {2026, 11, 23}, "y-moshe-5787"),
                      Yearly("Moshe Levi's 38th Yahrzeit", {2028, 12, 1}, "y-moshe-5789")});
    ASSERT_EQ(Shaped.size(), 1u);
    EXPECT_EQ(Shaped[0].Problem, "");
    EXPECT_EQ(Shaped[0].Entry.Occasion, "Moshe Levi");
    EXPECT_EQ(Shaped[0].Entry.What, TOccasionWhat::Yahrzeit);
    EXPECT_EQ(Shaped[0].Entry.Kind, TRememberKind::Jewish);
    EXPECT_EQ(Shaped[0].Entry.JewishDate, (TJewishDate{5751, 9, 13}));
    EXPECT_EQ(Shaped[0].Entry.Date, (TGregorianDate{1990, 11, 30}));
}

TEST(ImportShape, EventsThatKeepNoOneJewishDateStayApart)
{
    // Same title but a Gregorian anniversary: 23 November in 2026 and 2027
    // are different Jewish dates.
    EXPECT_EQ(ShapeEntries({Yearly("Club day", {2026, 11, 23}), Yearly("Club day", {2027, 11, 23})}).size(), 2u);
    // Same Jewish date, but the UIDs differ by more than the year.
    const std::vector<TImportCandidate> Apart = ShapeEntries(
        {Yearly("Moshe's Yahrzeit", {2026, 11, 23}, "a-5787"), Yearly("Moshe's Yahrzeit", {2027, 12, 12}, "b-5788")});
    EXPECT_EQ(Apart.size(), 2u);
}

// Adar of a common year is kept in Adar II of a leap one: 14 Adar 5785 is
// 14 March 2025, 14 Adar II 5784 is 24 March 2024.
TEST(ImportShape, AdarAndAdarIIAreOneDate)
{
    const std::vector<TImportCandidate> Shaped =
        ShapeEntries({Yearly("Zeyde's Yahrzeit", {2024, 3, 24}), Yearly("Zeyde's Yahrzeit", {2025, 3, 14})});
    ASSERT_EQ(Shaped.size(), 1u);
    EXPECT_EQ(Shaped[0].Entry.JewishDate.Month, 13);
    EXPECT_EQ(Shaped[0].Entry.JewishDate.Day, 14);
}

TEST(ImportShape, AnythingElseIsOneEntryForItsDayOnly)
{
    TImportedEvent Sunset = Yearly("Dentist", {2026, 12, 15});
    Sunset.Note = "Starts after sunset";
    const std::vector<TImportCandidate> Shaped = ShapeEntries({Sunset});
    ASSERT_EQ(Shaped.size(), 1u);
    EXPECT_EQ(Shaped[0].Entry.Kind, TRememberKind::Once);
    EXPECT_EQ(Shaped[0].Entry.What, TOccasionWhat::Other);
    EXPECT_TRUE(Shaped[0].Entry.AfterSunset);
    EXPECT_EQ(Shaped[0].Entry.Date, (TGregorianDate{2026, 12, 15}));
    EXPECT_EQ(Shaped[0].Entry.JewishDate, (TJewishDate{5787, 10, 6}));
}

TEST(ImportPlan, SetsAsideWhatCannotBeAdded)
{
    const std::string Long(101, 'x');
    const std::string Csv = "Name,Date\n"
                            "Dana,12/03/1970\n"
                            "No date,\n"
                            "Bad day,31/02/1970\n" +
                            Long + ",01/01/1970\n"
                            "Dana,12/03/1970\n";
    const TImportPlan Plan = PlanImport(Csv, {}, {});
    ASSERT_EQ(Plan.Added.size(), 1u);
    EXPECT_EQ(Plan.Added[0].Entry.Date, (TGregorianDate{1970, 3, 12}));
    std::vector<std::string> Reasons;
    for (const TImportSkip& Skip : Plan.Skipped)
        Reasons.push_back(Skip.Reason);
    std::sort(Reasons.begin(), Reasons.end());
    EXPECT_EQ(Reasons, (std::vector<std::string>{"The name of the occasion must have 1 to 100 characters.",
                                                 "already in the list", "no date", "no such day: \"31/02/1970\""}));
}

TEST(ImportPlan, AnyTableIsReadByItsChosenColumnsOrderAndCalendar)
{
    const std::string Csv = "Id,Who,Died,Note\n1,Zeyde,3 Kislev 5731,after sunset\n2,Bobe,\xD7\x92\xD7\xB3 "
                            "\xD7\x9B\xD7\xA1\xD7\x9C\xD7\x95 \xD7\xAA\xD7\xA9\xD7\x9C\xD7\xB4\xD7\x90,Yahrzeit\n";
    TImportChoices Choices;
    Choices.Csv = {1, 2, true};
    const TImportPlan Plan = PlanImport(Csv, Choices, {});
    ASSERT_EQ(Plan.Added.size(), 2u) << (Plan.Skipped.empty() ? Plan.Failure : Plan.Skipped[0].Reason);
    EXPECT_EQ(Plan.Added[0].Entry.JewishDate, (TJewishDate{5731, 9, 3}));
    EXPECT_TRUE(Plan.Added[0].Entry.AfterSunset);
    EXPECT_EQ(Plan.Added[0].Entry.Date, (TGregorianDate{1970, 11, 30}));
    EXPECT_EQ(Plan.Added[1].Entry.JewishDate, (TJewishDate{5731, 9, 3}));
    EXPECT_EQ(Plan.Added[1].Entry.What, TOccasionWhat::Yahrzeit);

    const std::string Layout = "\"Subject\",\"Start Date\",\"Start Time\",\"End Date\",\"End Time\","
                               "\"All day event\",\"Description\",\"Show time as\",\"Location\"\n"
                               "\"Trip\",\"3/12/2027\",,,,\"true\",\"\",\"3\",\"\"\n";
    EXPECT_EQ(PlanImport(Layout, {}, {}).Added.at(0).Entry.Date, (TGregorianDate{2027, 3, 12}));
    Choices = {};
    Choices.Order = DayMonthYear;
    EXPECT_EQ(PlanImport(Layout, Choices, {}).Added.at(0).Entry.Date, (TGregorianDate{2027, 12, 3}));
    EXPECT_NE(PlanImport("Colour,Size\nred,3\n", {}, {}).Failure, "");
}

// Our own export: every event of an entry carries its details, and they
// come back as that one entry.
TEST(ImportPlan, OurOwnExportComesBackAsTheSameEntries)
{
    const std::string Event = "BEGIN:VEVENT\r\nUID:%U\r\nDTSTART;VALUE=DATE:%D\r\n"
                              "SUMMARY:Yahrzeit: Grandpa Moshe (13 Kislev %Y)\r\n"
                              "X-MIRVANE-ENTRY:7\r\nX-MIRVANE-WHAT:yahrzeit\r\nX-MIRVANE-DATE:13 Kislev 5751\r\n"
                              "X-MIRVANE-RECURS:jewish\r\nX-MIRVANE-AFTER-SUNSET:TRUE\r\nX-MIRVANE-DAYS-BEFORE:3\r\n"
                              "X-MIRVANE-ADAR:both\r\nX-MIRVANE-SHORT-MONTH:first\r\nX-MIRVANE-ADAR1-30:shvat\r\n"
                              "X-MIRVANE-BURIAL:1990-12-02\r\nEND:VEVENT\r\n";
    std::string Calendar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//x//y//EN\r\n";
    for (const auto& [Uid, Day, Year] : {std::tuple("a", "20261123", "5787"), std::tuple("b", "20271213", "5788")}) {
        std::string One = Event;
        One.replace(One.find("%U"), 2, Uid);
        One.replace(One.find("%D"), 2, Day);
        One.replace(One.find("%Y"), 2, Year);
        Calendar += One;
    }
    Calendar += "END:VCALENDAR\r\n";
    const TImportPlan Plan = PlanImport(Calendar, {}, {});
    ASSERT_EQ(Plan.Added.size(), 1u) << Plan.Failure;
    const TRememberEntry& Entry = Plan.Added[0].Entry;
    EXPECT_EQ(Entry.Occasion, "Grandpa Moshe");
    EXPECT_EQ(Entry.What, TOccasionWhat::Yahrzeit);
    EXPECT_EQ(Entry.JewishDate, (TJewishDate{5751, 9, 13}));
    EXPECT_EQ(Entry.Date, (TGregorianDate{1990, 11, 29}));
    EXPECT_TRUE(Entry.AfterSunset);
    EXPECT_EQ(Entry.DaysBefore, 3);
    EXPECT_EQ(Entry.Adar, TAdarCustom::Both);
    EXPECT_EQ(Entry.ShortMonth, TShortMonthCustom::ByFirstAnniversary);
    EXPECT_EQ(Entry.Adar1Thirty, TAdar1ThirtyCustom::Shvat30);
    EXPECT_EQ(Entry.Burial, (TGregorianDate{1990, 12, 2}));
}

}  // namespace
}  // namespace mirvane
