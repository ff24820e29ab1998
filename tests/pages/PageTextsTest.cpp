#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "engine/DateServices.h"
#include "pages/DecimalText.h"
#include "engine/GregorianDateText.h"
#include "pages/Utf8.h"
#include "pages/YearList.h"

namespace mirvane {
namespace {

TEST(ReadDecimal, ReadsSignedNumbersBetweenBlanks)
{
    const std::pair<const char*, std::int32_t> Numbers[] = {
        {"42", 42},          {"  42  ", 42},       {"\t5\t", 5},       {"+7", 7},
        {"-7", -7},          {" -0", 0},           {"007", 7},         {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
    };
    for (const auto& [Text, Value] : Numbers)
        EXPECT_EQ(ReadDecimal(Text), std::optional<std::int32_t>{Value}) << Text;
}

TEST(ReadDecimal, AnythingElseIsNotANumber)
{
    for (const char* Text : {"", " ", "+", "-", "4 2", "1x", "x1", "+-1", "--1", "++1", "1.5", "0x10", "1,000", "1e3",
                             "2147483648", "-2147483649", "99999999999999999999", "\xD9\xA1"})
        EXPECT_EQ(ReadDecimal(Text), std::nullopt) << Text;
}

TEST(ListedYearCount, OnlyOneToTwoHundredMakesAList)
{
    EXPECT_EQ(ListedYearCount("1"), 1);
    EXPECT_EQ(ListedYearCount(" 200 "), 200);
    for (const char* Text : {"", "0", "201", "-3", "abc", "99999999999"})
        EXPECT_EQ(ListedYearCount(Text), 0) << Text;
}

TEST(GregorianDateText, NamesWeekdayDayMonthAndYear)
{
    EXPECT_EQ(GregorianDateText(EncodeDate(1970, 12, 1)), "Tuesday 1 December 1970");
    EXPECT_EQ(GregorianDateText(0), "Saturday 30 December 1899");
    EXPECT_EQ(GregorianDateText(EncodeDate(2, 11, 1)), "Friday 1 November 2");
    EXPECT_EQ(GregorianDateText(EncodeDate(9999, 12, 31) + 1), "Saturday 1 January 10000");
}

TEST(GregorianDateText, ValuesThatAreNoDateGiveNoText)
{
    for (const double Value : {EncodeDate(1, 1, 1) - 1, 1e12, std::numeric_limits<double>::quiet_NaN(),
                               std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(GregorianDateText(Value), "");
        EXPECT_EQ(IsoDateText(Value), "");
    }
}

TEST(IsoDateText, PadsToFourDigitYearsAndTwoDigitMonthsAndDays)
{
    EXPECT_EQ(IsoDateText(EncodeDate(1970, 12, 1)), "1970-12-01");
    EXPECT_EQ(IsoDateText(EncodeDate(2, 11, 1)), "0002-11-01");
    EXPECT_EQ(IsoDateText(EncodeDate(9999, 12, 31) + 1), "10000-01-01");
}

TEST(DecodeUtf8, ReadsCodePointsAndReplacesMalformedBytes)
{
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), U"a\u00E9\u20AC\U0001F600");
    const std::pair<std::string, std::u32string> Malformed[] = {
        {"\x80", U"\uFFFD"},                          // stray continuation byte
        {"\xC3", U"\uFFFD"},                          // truncated at the end
        {"\xC3x", U"\uFFFDx"},                        // truncated before a letter
        {"\xC0\xAF", U"\uFFFD\uFFFD"},                // overlong
        {"\xED\xA0\x80", U"\uFFFD\uFFFD\uFFFD"},      // surrogate
        {"\xF4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
        {"\xFF" "1", U"\uFFFD" "1"},
    };
    for (const auto& [Text, CodePoints] : Malformed)
        EXPECT_EQ(DecodeUtf8(Text), CodePoints);
}

}  // namespace
}  // namespace mirvane
