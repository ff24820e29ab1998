// The details of a date to remember read from their texts: which dates each
// text gives under the after-sunset rule, and which field is refused first.

#include <gtest/gtest.h>

#include "engine/YearFacts.h"
#include "remember/RememberDetails.h"

namespace mirvane {
namespace {

TRememberDetailsText Details(std::optional<std::string> Date, std::string Jewish, bool AfterSunset)
{
    return {"Birthday", std::move(Date), std::move(Jewish), AfterSunset, 7, TRememberKind::Once, DayMonthYear, {},
            EncodeDate(2026, 12, 6)};
}

TEST(RememberDetails, EachDateFollowsTheOtherUnderTheAfterSunsetRule)
{
    const struct {
        TRememberDetailsText Text;
        TGregorianDate Date;
        TJewishDate Jewish;
    } Cases[] = {
        {Details("1/12/70", "", false), {1970, 12, 1}, {5731, Kislev, 3}},
        {Details("1/12/70", "", true), {1970, 12, 1}, {5731, Kislev, 4}},
        {Details(std::nullopt, "3 Kislev 5731", false), {1970, 12, 1}, {5731, Kislev, 3}},
        {Details(std::nullopt, "3 Kislev 5731", true), {1970, 11, 30}, {5731, Kislev, 3}},
        {Details("1/12/70", "9 Kislev 5731", false), {1970, 12, 1}, {5731, Kislev, 9}},  // both as typed
    };
    for (const auto& Case : Cases) {
        const TRememberDetails Read = ReadRememberDetails(Case.Text);
        ASSERT_TRUE(Read.Entry) << Case.Text.JewishText;
        EXPECT_EQ(Read.Entry->Date, Case.Date);
        EXPECT_EQ(Read.Entry->JewishDate, Case.Jewish);
        EXPECT_EQ(Read.Entry->Kind, TRememberKind::Once);
    }
}

TEST(RememberDetails, FieldsAreRefusedInTheirOrder)
{
    // Every field wrong at first, then mended one by one.
    TRememberDetailsText Text = Details("31/2/70", "no date", false);
    Text.Occasion = "";
    Text.DaysBefore = 366;
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::Occasion);
    EXPECT_FALSE(ReadRememberDetails(Text).OccasionProblem.empty());
    Text.Occasion = "Birthday";
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::Date);
    Text.DateText = std::nullopt;
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::JewishDate);
    Text.DateText = "1/12/70";
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::JewishDate);
    Text.JewishText = "";
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::DaysBefore);
    Text.DaysBefore = std::nullopt;
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::DaysBefore);
    Text.DaysBefore = 365;
    Text.BurialText = "30/11/70";  // before the date
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::Burial);
    Text.BurialText = "no date";
    EXPECT_EQ(ReadRememberDetails(Text).Refused, TRememberField::Burial);
    Text.BurialText = "3/12/70";
    Text.What = TOccasionWhat::Yahrzeit;
    Text.ShortMonth = TShortMonthCustom::Day29;
    ASSERT_TRUE(ReadRememberDetails(Text).Entry);
    EXPECT_EQ(ReadRememberDetails(Text).Entry->Burial, (TGregorianDate{1970, 12, 3}));
    EXPECT_EQ(ReadRememberDetails(Text).Entry->What, TOccasionWhat::Yahrzeit);
    EXPECT_EQ(ReadRememberDetails(Text).Entry->ShortMonth, TShortMonthCustom::Day29);
}

}  // namespace
}  // namespace mirvane
