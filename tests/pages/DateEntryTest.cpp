#include <gtest/gtest.h>

#include <string>

#include "pages/DateEntry.h"

namespace mirvane {
namespace {

const TLocaleMonthNames NoLocaleNames;

// The month names of a French locale, as the platform gives them.
const TLocaleMonthNames FrenchNames{
    {"janv.", "févr.", "mars", "avr.", "mai", "juin", "juil.", "août", "sept.", "oct.", "nov.", "déc."},
    {"janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août", "septembre", "octobre", "novembre",
     "décembre"}};

struct ReadCase {
    const char* Text;
    TDateOrder Order;
    std::uint16_t Year;
    std::uint16_t Month;
    std::uint16_t Day;
};

void ExpectReads(const ReadCase& Case, const TLocaleMonthNames& Names)
{
    const TDateEntry Entry = ParseDateEntry(Case.Text, Case.Order, Names);
    EXPECT_EQ(Entry, (TDateEntry{Case.Year, Case.Month, Case.Day, TDateEntryStatus::Read}))
        << '"' << Case.Text << "\" in order " << Case.Order << " gave " << Entry.Year << '-' << Entry.Month
        << '-' << Entry.Day;
}

TEST(ParseDateEntry, ReadsEachOrderWithNumbersOrAMonthName)
{
    const ReadCase Cases[] = {
        {"1/12/70", DayMonthYear, 1970, 12, 1},        {"1-12-70", DayMonthYear, 1970, 12, 1},
        {"1.12.1970", DayMonthYear, 1970, 12, 1},      {"1 Dec 70", DayMonthYear, 1970, 12, 1},
        {"Dec 1 70", DayMonthYear, 1970, 12, 1},       {"1 December 1970", DayMonthYear, 1970, 12, 1},
        {"1dec70", DayMonthYear, 1970, 12, 1},         {"1 Dec. 70", DayMonthYear, 1970, 12, 1},
        {"12/1/70", MonthDayYear, 1970, 12, 1},        {"Dec 1 70", MonthDayYear, 1970, 12, 1},
        {"1 Dec 70", MonthDayYear, 1970, 12, 1},       {"70/12/1", YearMonthDay, 1970, 12, 1},
        {"70 Dec 1", YearMonthDay, 1970, 12, 1},       {"1970 December 1", YearMonthDay, 1970, 12, 1},
        {"Dec 1970 1", YearMonthDay, 1970, 12, 1},     {"  1 / 1 / 2048 ", DayMonthYear, 2048, 1, 1},
        {"31/4/70", DayMonthYear, 1970, 4, 31},        {"1/13/70", DayMonthYear, 1970, 13, 1},
    };
    for (const ReadCase& Case : Cases)
        ExpectReads(Case, NoLocaleNames);
}

TEST(ParseDateEntry, MonthWordsIgnoreCaseButNotSpelling)
{
    const ReadCase Cases[] = {
        {"1 DECEMBER 70", DayMonthYear, 1970, 12, 1}, {"1 dec 70", DayMonthYear, 1970, 12, 1},
        {"1 DeC 70", DayMonthYear, 1970, 12, 1},      {"1 Decem 70", DayMonthYear, 1970, 0, 1},
        {"1 may 70", DayMonthYear, 1970, 5, 1},       {"1 Sept 70", DayMonthYear, 1970, 0, 1},
        {"1 décembre 1970", DayMonthYear, 1970, 0, 1},
    };
    for (const ReadCase& Case : Cases)
        ExpectReads(Case, NoLocaleNames);
}

TEST(ParseDateEntry, TwoDigitYearsAreOfTheTwentiethCentury)
{
    const ReadCase Cases[] = {
        {"1/12/05", DayMonthYear, 1905, 12, 1}, {"1/12/0070", DayMonthYear, 1970, 12, 1},
        {"1/12/99", DayMonthYear, 1999, 12, 1}, {"1/12/00", DayMonthYear, 0, 12, 1},
        {"1/12/100", DayMonthYear, 100, 12, 1}, {"1/12", DayMonthYear, 0, 12, 1},
        {"1 Dec", DayMonthYear, 0, 12, 1},      {"1/12/65535", DayMonthYear, 65535, 12, 1},
    };
    for (const ReadCase& Case : Cases)
        ExpectReads(Case, NoLocaleNames);
}

TEST(ParseDateEntry, LocaleNamesComeAfterTheEnglishOnes)
{
    const ReadCase Cases[] = {
        {"1 décembre 1970", DayMonthYear, 1970, 12, 1}, {"1 août 1970", DayMonthYear, 1970, 8, 1},
        {"1 DÉCEMBRE 1970", DayMonthYear, 1970, 12, 1}, {"1 AOÛT 1970", DayMonthYear, 1970, 8, 1},
        {"1 déc. 1970", DayMonthYear, 1970, 12, 1},     {"1 févr 70", DayMonthYear, 1970, 2, 1},
        {"1 juil. 70", DayMonthYear, 1970, 7, 1},       {"1 Dec. 70", DayMonthYear, 1970, 12, 1},
        {"1 Sep. 70", DayMonthYear, 1970, 9, 1},        {"août 1 1970", MonthDayYear, 1970, 8, 1},
        {"1970 mars 1", YearMonthDay, 1970, 3, 1},      {"1 Mai 70", DayMonthYear, 1970, 5, 1},
    };
    for (const ReadCase& Case : Cases)
        ExpectReads(Case, FrenchNames);
}

TEST(ParseDateEntry, LettersOutsideEveryListSeparateGroups)
{
    // Without locale names an umlaut ends the word: "M" and "rz" are two words.
    const TDateEntry Entry = ParseDateEntry("1 März 70", DayMonthYear, NoLocaleNames);
    EXPECT_EQ(Entry.Status, TDateEntryStatus::StoppedEarly);

    TLocaleMonthNames GermanNames;
    GermanNames.Full[2] = "März";
    ExpectReads({"1 märz 70", DayMonthYear, 1970, 3, 1}, GermanNames);

    TLocaleMonthNames CzechNames;
    CzechNames.Full[1] = "únor";
    ExpectReads({"1 Únor 70", DayMonthYear, 1970, 2, 1}, CzechNames);
}

TEST(ParseDateEntry, EmptyTextWritesOnlyTheDay)
{
    const TDateEntry Preset{1999, 7, 14, TDateEntryStatus::Read};
    const TDateEntry Entry = ParseDateEntry("", DayMonthYear, NoLocaleNames, Preset);
    EXPECT_EQ(Entry, (TDateEntry{1999, 7, 0, TDateEntryStatus::Empty}));
    EXPECT_FALSE(Entry.Usable());
}

TEST(ParseDateEntry, AFourthGroupOrASecondWordWritesNothing)
{
    const TDateEntry Preset{1999, 7, 14, TDateEntryStatus::Read};
    for (const char* Text : {"1 Dec 70 x", "1/12/70/5", "1 2 3 Dec", "Dec 1 2 3", "Dec Jan 1 70", "1a2b"}) {
        const TDateEntry Entry = ParseDateEntry(Text, DayMonthYear, NoLocaleNames, Preset);
        EXPECT_EQ(Entry, (TDateEntry{1999, 7, 14, TDateEntryStatus::StoppedEarly})) << Text;
        EXPECT_FALSE(Entry.Usable()) << Text;
    }
}

TEST(ParseDateEntry, NumbersBeyondSixteenBitsWriteNothing)
{
    const TDateEntry Preset{1999, 7, 14, TDateEntryStatus::Read};
    for (const char* Text : {"1/12/70000", "65536/1/1970", "1 Dec 99999999999999999999999", "1/12/4294967366"}) {
        const TDateEntry Entry = ParseDateEntry(Text, DayMonthYear, NoLocaleNames, Preset);
        EXPECT_EQ(Entry, (TDateEntry{1999, 7, 14, TDateEntryStatus::NumberTooLarge})) << Text;
        EXPECT_FALSE(Entry.Usable()) << Text;
    }
}

TEST(ParseDateEntry, OnlyEntriesWithoutAZeroAreUsable)
{
    EXPECT_TRUE(ParseDateEntry("1/12/70", DayMonthYear, NoLocaleNames).Usable());
    EXPECT_TRUE(ParseDateEntry("31/4/70", DayMonthYear, NoLocaleNames).Usable());
    for (const char* Text : {"1/12", "1/12/00", "0/12/70", "1/0/70", "1 Decem 70", "   ", "abc"})
        EXPECT_FALSE(ParseDateEntry(Text, DayMonthYear, NoLocaleNames).Usable()) << Text;
}

TEST(ParseDateEntry, MalformedTextIsReadAsSeparators)
{
    ExpectReads({"1\xFF" "12\xC3/70", DayMonthYear, 1970, 12, 1}, NoLocaleNames);
    ExpectReads({"\xE2\x80\x94" "1\xE2\x80\x94" "Dec\xE2\x80\x94" "70", DayMonthYear, 1970, 12, 1}, NoLocaleNames);
    // An order the options cannot hold reads like day-month-year.
    ExpectReads({"1/12/70", static_cast<TDateOrder>(7), 1970, 12, 1}, NoLocaleNames);
}

}  // namespace
}  // namespace mirvane
