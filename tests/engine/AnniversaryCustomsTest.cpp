#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

#include "engine/AnniversaryCustoms.h"
#include "engine/JewishYear.h"

namespace mirvane {
namespace {

std::string IsoDates(const std::vector<TDateTime>& Dates)
{
    std::string Text;
    for (const TDateTime Date : Dates) {
        const TGregorianDate Day = DecodeDate(Date);
        char Piece[16];
        std::snprintf(Piece, sizeof Piece, "%s%04d-%02d-%02d", Text.empty() ? "" : " ", Day.Year, Day.Month,
                      Day.Day);
        Text += Piece;
    }
    return Text;
}

// @hebcal/core's yahrzeit and birthday rules are two sets of customs; the
// fixture (tools/make-anniversary-customs.mjs) takes each date that a later
// year may lack through every kind of year.
TEST(AnniversaryCustoms, AgreeWithTheReferenceYahrzeitAndBirthday)
{
    const TAnniversaryCustoms Yahrzeit{TAdarCustom::Adar1, TShortMonthCustom::ByFirstAnniversary,
                                       TAdar1ThirtyCustom::Shvat30, false};
    const TAnniversaryCustoms Birthday{TAdarCustom::Adar2, TShortMonthCustom::NextDay, TAdar1ThirtyCustom::Nissan1,
                                       false};
    std::ifstream File(MIRVANE_ENGINE_FIXTURES "/anniversary-customs.json");
    ASSERT_TRUE(File) << "fixture missing";
    const nlohmann::json Rows = nlohmann::json::parse(File);
    ASSERT_GE(Rows.size(), 400u);
    for (const nlohmann::json& Row : Rows) {
        const TJewishDate Event{Row["event"][0], Row["event"][1], Row["event"][2]};
        const std::int32_t Year = Row["year"];
        const std::string Title = Row["title"].get<std::string>() + " in " + std::to_string(Year);
        EXPECT_EQ(IsoDates(CustomAnniversaryDates(Event, Year, Yahrzeit)), Row["yahrzeit"]) << Title;
        EXPECT_EQ(IsoDates(CustomAnniversaryDates(Event, Year, Birthday)), Row["birthday"]) << Title;
    }
}

// What the reference has no rule for: both Adars, the 29th, and the
// program's own options.
TEST(AnniversaryCustoms, TheOtherChoicesKeepTheirDays)
{
    struct TCase {
        const char* Title;
        TJewishDate Event;
        std::int32_t Year;
        TAnniversaryCustoms Customs;
        const char* Expected;
    };
    // 5783 and 5786 are common years, 5784 a leap year; Cheshvan 5784 has 29
    // days, Kislev 5785 30.
    const TCase Cases[] = {
        {"Adar in both Adars", {5783, Adar, 14}, 5784, {TAdarCustom::Both}, "2024-02-23 2024-03-24"},
        {"both, in a common year", {5783, Adar, 14}, 5786, {TAdarCustom::Both}, "2026-03-03"},
        {"Adar by the menu, Adar I", {5783, Adar, 14}, 5784, {TAdarCustom::Options}, "2024-02-23"},
        {"Adar by the menu, Adar II", {5783, Adar, 14}, 5784, {TAdarCustom::Options, {}, {}, true}, "2024-03-24"},
        {"Adar I stays in a leap year", {5784, Adar, 14}, 5787, {TAdarCustom::Adar2}, "2027-02-21"},
        {"30 Cheshvan on the 29th", {5782, Cheshvan, 30}, 5784, {{}, TShortMonthCustom::Day29}, "2023-11-13"},
        {"the 29th where it has 30", {5782, Cheshvan, 30}, 5785, {{}, TShortMonthCustom::Day29}, "2024-12-01"},
        {"30 Cheshvan by the program", {5782, Cheshvan, 30}, 5784, {}, "2023-11-14"},
        {"30 Adar I by the program", {5784, Adar, 30}, 5786, {}, "2026-03-19"},
        {"30 Adar I on 1 Nissan", {5784, Adar, 30}, 5786, {{}, {}, TAdar1ThirtyCustom::Nissan1}, "2026-03-19"},
    };
    for (const TCase& Case : Cases)
        EXPECT_EQ(IsoDates(CustomAnniversaryDates(Case.Event, Case.Year, Case.Customs)), Case.Expected)
            << Case.Title;
}

}  // namespace
}  // namespace mirvane
