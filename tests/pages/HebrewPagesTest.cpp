#include <gtest/gtest.h>

#include <string>

#include "engine/DateServices.h"
#include "engine/HebrewDateText.h"
#include "engine/JewishYear.h"
#include "pages/AnniversaryPage.h"
#include "pages/FestivalListEntry.h"
#include "pages/FestivalPage.h"
#include "pages/HebrewDateEntry.h"
#include "pages/YearDetailsPage.h"

namespace mirvane {
namespace {

TEST(HebrewPages, AnniversaryJewishDateInHebrewOnlyWhenAsked)
{
    TAnniversaryInput Input;
    Input.DateText = "1/12/70";
    Input.TargetYearText = "1995";
    Input.Today = EncodeDate(2026, 12, 6);
    EXPECT_EQ(ComputeAnniversaryPage(Input).JewishDate, "3 Kislev 5731");
    Input.HebrewNames = true;
    const TAnniversaryPage Page = ComputeAnniversaryPage(Input);
    EXPECT_EQ(Page.JewishDate, "ג׳ כסלו תשל״א");
    EXPECT_EQ(Page.Answer->Text, "Sunday 26 November 1995");
}

TEST(HebrewPages, SeasonDayInHebrewOnlyWhenAsked)
{
    const struct {
        const char* Year;
        const char* English;
        const char* Hebrew;
    } Cases[] = {{"5787", "19 Adar2", "י״ט אדר ב׳"}, {"5758", "29 Adar", "כ״ט אדר"}};
    for (const auto& Case : Cases) {
        TYearDetailsInput Input;
        Input.YearText = Case.Year;
        EXPECT_EQ(ComputeYearDetails(Input).SeasonDay, Case.English);
        Input.HebrewNames = true;
        EXPECT_EQ(ComputeYearDetails(Input).SeasonDay, Case.Hebrew);
    }
}

TEST(HebrewPages, FestivalEntriesShowTheHebrewNameAndSelectByTheName)
{
    EXPECT_EQ(FestivalListEntry("Purim", TFestivalEntryForm::Name), "Purim");
    EXPECT_EQ(FestivalListEntry("Purim", TFestivalEntryForm::NameAndHebrew), "Purim — פורים");
    EXPECT_EQ(FestivalListEntry("Purim", TFestivalEntryForm::Hebrew), "פורים");
    EXPECT_EQ(FestivalListEntry("No such day", TFestivalEntryForm::NameAndHebrew), "No such day");
    EXPECT_EQ(FestivalListEntry("No such day", TFestivalEntryForm::Hebrew), "No such day");

    const struct {
        const char* Text;
        const char* Name;
    } Cases[] = {
        {"Purim — פורים", "Purim"},
        {"פורים", "Purim"},
        {"Purim", "Purim"},
        {"Purim — שושן פורים", "Purim — שושן פורים"},
        {"purim", "purim"},
        {"", ""},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(FestivalNameOfEntry(Case.Text), Case.Name) << Case.Text;

    TFestivalInput Input;
    Input.YearText = "1995";
    for (const char* Name : {"Purim", "Purim — פורים", "פורים"}) {
        Input.Name = Name;
        const TFestivalPage Page = ComputeFestivalPage(Input);
        ASSERT_TRUE(Page.Answer) << Name;
        EXPECT_EQ(Page.Answer->Text, "Thursday 16 March 1995") << Name;
    }
}

TEST(HebrewDateEntry, ReadsTypedHebrewDates)
{
    const struct {
        const char* Text;
        TJewishDate Expected;
    } Cases[] = {
        {"ג׳ כסלו תשל״א", {5731, Kislev, 3}},
        {"ג' כסלו תשל\"א", {5731, Kislev, 3}},
        {"  ג כסלו  תשלא ", {5731, Kislev, 3}},
        {"ט״ו שבט ה׳תשפ״ה", {5785, Shvat, 15}},
        {"ט\"ז ניסן תשפ\"ה", {5785, Nissan, 16}},
        {"י״ד אדר ב׳ תשפ״ד", {5784, Adar2, 14}},
        {"י״ד אדר א' תשפ״ד", {5784, Adar, 14}},
        {"י״ד אדר תשפ״ד", {5784, Adar, 14}},
        {"י״ד אדר תשפ״ה", {5785, Adar, 14}},
        {"ל׳ חשון תשפ״ה", {5785, Cheshvan, 30}},
        {"א׳ תשרי תש״ף", {5780, Tishrei, 1}},
        // Thousands outside the 5000s, a whole thousand, and a thousands
        // letter alone, which is a year of the 5000s.
        {"י׳ אדר א׳ ז׳תש״ג", {7703, Adar, 10}},
        {"א׳ תשרי ד'ר\"ס", {4260, Tishrei, 1}},
        {"ט׳ חשון ג׳תשס״ג", {3763, Cheshvan, 9}},
        {"א׳ תשרי יג׳תש״ג", {13703, Tishrei, 1}},
        {"א׳ תשרי ה׳ אלפים", {5000, Tishrei, 1}},
        {"א' תשרי י\"ג אלפים", {13000, Tishrei, 1}},
        {"א׳ תשרי ה׳", {5005, Tishrei, 1}},
        {"ג׳ כסלו תש'ג", {5703, Kislev, 3}},
    };
    for (const auto& Case : Cases) {
        const std::optional<TJewishDate> Read = ReadHebrewJewishDate(Case.Text);
        ASSERT_TRUE(Read) << Case.Text;
        EXPECT_EQ(*Read, Case.Expected) << Case.Text;
    }
}

TEST(HebrewDateEntry, RefusesWhatIsNoDate)
{
    for (const char* Text : {"", "3 Kislev 5731", "ג׳ כסלו", "ג׳ כסלו תשל״א נוסף", "ג׳ כסלב תשל״א",
                             "ל״א כסלו תשל״א", "לא כסלו תשל״א", "אג כסלו תשל״א", "יה כסלו תשל״א x",
                             "י״ד אדר ב׳ תשפ״ה", "י״ד אדר א׳ תשפ״ה", "ל׳ חשון תשפ״ו", "׳ג כסלו תשל״א",
                             "ג׳ כסלו ג׳תשל״א", "ג׳ כסלו תשל״א\xff", "אלפים", "א׳ תשרי אלפים",
                             "א׳ תשרי ת׳ אלפים"}) {
        EXPECT_FALSE(ReadHebrewJewishDate(Text)) << Text;
    }
}

TEST(HebrewDateEntry, EveryYearReadsBackAsWritten)
{
    for (std::int32_t Year = FirstYearWithNewYearDate; Year <= LastYearWithNewYearDate; ++Year) {
        const std::string Text = HebrewJewishDateText(Year, Adar, 14);
        ASSERT_EQ(ReadHebrewJewishDate(Text), (TJewishDate{Year, Adar, 14})) << Text;
    }
}

}  // namespace
}  // namespace mirvane
