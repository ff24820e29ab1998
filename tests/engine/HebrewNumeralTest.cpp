#include <gtest/gtest.h>

#include <string>

#include "engine/HebrewNumeral.h"

namespace mirvane {
namespace {

TEST(HebrewNumeral, DaysOfTheMonth)
{
    const std::string Expected[] = {
        "א׳",  "ב׳",  "ג׳",  "ד׳",  "ה׳",  "ו׳",  "ז׳",  "ח׳",  "ט׳",  "י׳",
        "י״א", "י״ב", "י״ג", "י״ד", "ט״ו", "ט״ז", "י״ז", "י״ח", "י״ט", "כ׳",
        "כ״א", "כ״ב", "כ״ג", "כ״ד", "כ״ה", "כ״ו", "כ״ז", "כ״ח", "כ״ט", "ל׳"};
    for (int Day = 1; Day <= 30; ++Day)
        EXPECT_EQ(HebrewNumeral(Day), Expected[Day - 1]) << Day;
}

TEST(HebrewNumeral, LargerNumbersAndYears)
{
    const struct {
        std::int64_t Value;
        const char* Expected;
    } Cases[] = {
        {115, "קט״ו"},  {116, "קט״ז"},   {270, "ר״ע"},   {275, "רע״ה"},  {400, "ת׳"},
        {500, "ת״ק"},   {744, "תשמ״ד"},  {900, "תת״ק"},  {5000, "ה׳"},   {5015, "ט״ו"},
        {5731, "תשל״א"}, {5774, "תשע״ד"}, {5785, "תשפ״ה"}, {6000, "ו׳"},  {13775, "תשע״ה"},
    };
    for (const auto& Case : Cases)
        EXPECT_EQ(HebrewNumeral(Case.Value), Case.Expected) << Case.Value;
}

TEST(HebrewNumeral, NothingBelowOne)
{
    EXPECT_EQ(HebrewNumeral(0), "");
    EXPECT_EQ(HebrewNumeral(-5), "");
}

TEST(HebrewNumeral, MarksAreTheHebrewPunctuationNotQuotes)
{
    EXPECT_EQ(HebrewNumeral(1), "\u05D0\u05F3");
    EXPECT_EQ(HebrewNumeral(11), "\u05D9\u05F4\u05D0");
}

}  // namespace
}  // namespace mirvane
