#include <gtest/gtest.h>

#include <string>

#include "engine/HebrewNumeral.h"

namespace mirvane {
namespace {

struct TNumeralCase {
    std::int64_t Value;
    const char* Expected;
};

TEST(HebrewNumeral, DaysOfTheMonth)
{
    const std::string Expected[] = {
        "א׳",  "ב׳",  "ג׳",  "ד׳",  "ה׳",  "ו׳",  "ז׳",  "ח׳",  "ט׳",  "י׳",
        "י״א", "י״ב", "י״ג", "י״ד", "ט״ו", "ט״ז", "י״ז", "י״ח", "י״ט", "כ׳",
        "כ״א", "כ״ב", "כ״ג", "כ״ד", "כ״ה", "כ״ו", "כ״ז", "כ״ח", "כ״ט", "ל׳"};
    for (int Day = 1; Day <= 30; ++Day)
        EXPECT_EQ(HebrewNumeral(Day), Expected[Day - 1]) << Day;
}

TEST(HebrewNumeral, LargerNumbers)
{
    const TNumeralCase Cases[] = {
        {115, "קט״ו"}, {116, "קט״ז"},  {270, "ר״ע"},  {275, "רע״ה"}, {400, "ת׳"},
        {500, "ת״ק"},  {744, "תשמ״ד"}, {900, "תת״ק"}, {999, "תתקצ״ט"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(HebrewNumeral(Case.Value), Case.Expected) << Case.Value;
}

// Only the 5000s leave out their thousands; a whole thousand alone would
// read as a year of the 5000s.
TEST(HebrewYearNumeral, ThousandsOutsideTheFiveThousands)
{
    const TNumeralCase Cases[] = {
        {5001, "א׳"},        {5015, "ט״ו"},       {5731, "תשל״א"},   {5999, "תתקצ״ט"},  {5000, "ה׳ אלפים"},
        {4000, "ד׳ אלפים"},  {13000, "י״ג אלפים"}, {6000, "ו׳ אלפים"}, {7703, "ז׳תש״ג"}, {4260, "ד׳ר״ס"},
        {3763, "ג׳תשס״ג"},   {13703, "יג׳תש״ג"},  {13775, "יג׳תשע״ה"}, {6001, "ו׳א׳"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(HebrewYearNumeral(Case.Value), Case.Expected) << Case.Value;
}

TEST(HebrewNumeral, NothingOutsideItsRange)
{
    EXPECT_EQ(HebrewNumeral(0), "");
    EXPECT_EQ(HebrewNumeral(-5), "");
    EXPECT_EQ(HebrewNumeral(1000), "");
    EXPECT_EQ(HebrewYearNumeral(0), "");
    EXPECT_EQ(HebrewYearNumeral(1000000), "");
}

TEST(HebrewNumeral, MarksAreTheHebrewPunctuationNotQuotes)
{
    EXPECT_EQ(HebrewNumeral(1), "\u05D0\u05F3");
    EXPECT_EQ(HebrewNumeral(11), "\u05D9\u05F4\u05D0");
}

}  // namespace
}  // namespace mirvane
