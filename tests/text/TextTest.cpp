// The general text helpers: decimal numbers and UTF-8.

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

#include "text/DecimalText.h"
#include "text/Utf8.h"

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
