#include <gtest/gtest.h>

#include "engine/GregorianDateText.h"
#include "engine/JewishYear.h"
#include "remember/NextDate.h"

namespace mirvane {
namespace {

TDateTime Day(std::int32_t Year, std::int32_t Month, std::int32_t DayOfMonth)
{
    return EncodeDate(Year, Month, DayOfMonth);
}

TRememberEntry Entry(TRememberKind Kind, TGregorianDate Date, TJewishDate JewishDate = {5731, 9, 3})
{
    TRememberEntry Result;
    Result.Occasion = "x";
    Result.Kind = Kind;
    Result.Date = Date;
    Result.JewishDate = JewishDate;
    return Result;
}

std::string Next(const TRememberEntry& Of, TDateTime Today, bool PlainAdarIsAdar2 = true)
{
    const std::optional<TDateTime> Date = NextDate(Of, Today, PlainAdarIsAdar2);
    return Date ? IsoDateText(*Date) : std::string("none");
}

struct TJewishCase {
    const char* Title;
    TJewishDate Event;
    TDateTime Today;
    bool PlainAdarIsAdar2;
    const char* Expected;
};

// 5786, 5788 and 5789 are common years, 5784 and 5787 leap years.
TEST(NextDate, JewishDatesCarryIntoTheYearOfTodayOrTheNext)
{
    const TJewishCase Cases[] = {
        {"3 Kislev: this year's has passed", {5731, Kislev, 3}, Day(2026, 12, 8), true, "2027-12-03"},
        {"28 Kislev: today itself", {5731, Kislev, 28}, Day(2026, 12, 8), true, "2026-12-08"},
        {"plain Adar into a leap year, Adar II chosen", {5786, Adar, 14}, Day(2026, 12, 8), true, "2027-03-23"},
        {"plain Adar into a leap year, Adar I chosen", {5786, Adar, 14}, Day(2026, 12, 8), false, "2027-02-21"},
        {"plain Adar on its own day", {5786, Adar, 14}, Day(2026, 3, 3), true, "2026-03-03"},
        {"Adar I into a common year", {5787, Adar, 14}, Day(2027, 3, 24), true, "2028-03-12"},
        {"Adar II into a common year", {5787, Adar2, 14}, Day(2027, 4, 1), false, "2028-03-12"},
        {"Adar I stays Adar I in a leap year", {5784, Adar, 14}, Day(2026, 12, 8), true, "2027-02-21"},
        {"day 30 of Adar I into a common year", {5787, Adar, 30}, Day(2027, 3, 10), true, "2028-03-28"},
        {"30 Cheshvan in a year with 29", {5787, Cheshvan, 30}, Day(2027, 12, 1), true, "2028-11-19"},
        {"30 Cheshvan in a year with 30", {5787, Cheshvan, 30}, Day(2027, 11, 1), true, "2027-11-30"},
        {"30 Kislev in a year with 29", {5785, Kislev, 30}, Day(2023, 12, 1), true, "2023-12-13"},
        {"new year's day seen from the day before", {5700, Tishrei, 1}, Day(2027, 10, 1), true, "2027-10-02"},
        {"last day of the year seen from new year's day", {5700, Elul, 29}, Day(2026, 9, 12), true, "2027-10-01"},
    };
    for (const TJewishCase& Case : Cases) {
        TRememberEntry Of = Entry(TRememberKind::Jewish, {1970, 12, 1}, Case.Event);
        EXPECT_EQ(Next(Of, Case.Today, Case.PlainAdarIsAdar2), Case.Expected) << Case.Title;
    }
}

struct TGregorianCase {
    const char* Title;
    TRememberKind Kind;
    TGregorianDate Date;
    TDateTime Today;
    const char* Expected;
};

TEST(NextDate, GregorianAndOnceOnlyDates)
{
    using enum TRememberKind;
    const TGregorianCase Cases[] = {
        {"passed this year", Gregorian, {1970, 12, 1}, Day(2026, 12, 8), "2027-12-01"},
        {"still ahead this year", Gregorian, {1970, 12, 25}, Day(2026, 12, 8), "2026-12-25"},
        {"29 February in a common year", Gregorian, {2024, 2, 29}, Day(2027, 1, 10), "2027-02-28"},
        {"29 February passed, next year leap", Gregorian, {2024, 2, 29}, Day(2027, 3, 1), "2028-02-29"},
        {"29 February on the day", Gregorian, {2024, 2, 29}, Day(2028, 2, 29), "2028-02-29"},
        {"1 January from 31 December", Gregorian, {2000, 1, 1}, Day(2026, 12, 31), "2027-01-01"},
        {"31 December on the day", Gregorian, {2000, 12, 31}, Day(2026, 12, 31), "2026-12-31"},
        {"once: today", Once, {2026, 12, 8}, Day(2026, 12, 8), "2026-12-08"},
        {"once: ahead", Once, {2030, 1, 1}, Day(2026, 12, 8), "2030-01-01"},
        {"once: passed yesterday", Once, {2026, 12, 7}, Day(2026, 12, 8), "none"},
        {"every year beyond the last year", Gregorian, {2000, 6, 1}, Day(9999, 7, 1), "none"},
    };
    for (const TGregorianCase& Case : Cases)
        EXPECT_EQ(Next(Entry(Case.Kind, Case.Date), Case.Today), Case.Expected) << Case.Title;
}

TEST(NextDate, DatesInAGregorianYear)
{
    const auto Texts = [](const std::vector<TDateTime>& Dates) {
        std::vector<std::string> Result;
        for (const TDateTime Date : Dates)
            Result.push_back(IsoDateText(Date));
        return Result;
    };
    using Strings = std::vector<std::string>;
    // The Jewish year is shorter than the Gregorian one: 1 Tevet falls on
    // 1 January 2025 and again on 21 December 2025.
    EXPECT_EQ(Texts(DatesInYear(Entry(TRememberKind::Jewish, {2000, 1, 1}, {5760, Tevet, 1}), 2025, true)),
              (Strings{"2025-01-01", "2025-12-21"}));
    EXPECT_EQ(Texts(DatesInYear(Entry(TRememberKind::Gregorian, {2024, 2, 29}), 2025, true)), Strings{"2025-02-28"});
    EXPECT_EQ(Texts(DatesInYear(Entry(TRememberKind::Once, {2024, 2, 29}), 2024, true)), Strings{"2024-02-29"});
    EXPECT_EQ(Texts(DatesInYear(Entry(TRememberKind::Once, {2024, 2, 29}), 2025, true)), Strings{});
}

// Kept in both Adars, a date falls twice in a leap year, and each is next in
// its turn.
TEST(NextDate, BothAdarsAreEachNextInTurn)
{
    TRememberEntry Of = Entry(TRememberKind::Jewish, {2026, 3, 3}, {5786, Adar, 14});
    Of.Adar = TAdarCustom::Both;
    EXPECT_EQ(Next(Of, Day(2027, 1, 1)), "2027-02-21");
    EXPECT_EQ(Next(Of, Day(2027, 2, 22)), "2027-03-23");
    EXPECT_EQ(DatesInYear(Of, 2027, false).size(), 2u);
}

// The first yahrzeit is kept on the burial's day, and the later ones on the
// death's; a burial after the new year leaves that year without one.
TEST(NextDate, TheFirstYahrzeitFollowsTheBurial)
{
    struct TCase {
        const char* Title;
        TGregorianDate Death;
        TJewishDate JewishDeath;
        TGregorianDate Burial;
        TDateTime Today;
        const char* Expected;
        bool ByBurial;
    };
    const TCase Cases[] = {
        {"first", {2025, 1, 10}, {5785, Tevet, 10}, {2025, 1, 12}, Day(2025, 6, 1), "2026-01-01", true},
        {"second", {2025, 1, 10}, {5785, Tevet, 10}, {2025, 1, 12}, Day(2026, 1, 2), "2026-12-20", false},
        {"over the new year", {2025, 9, 22}, {5785, Elul, 29}, {2025, 9, 23}, Day(2025, 9, 24), "2026-09-12", true},
        {"the second in the same year", {2025, 9, 22}, {5785, Elul, 29}, {2025, 9, 23}, Day(2026, 9, 13),
         "2027-10-01", false},
    };
    for (const TCase& Case : Cases) {
        TRememberEntry Of = Entry(TRememberKind::Jewish, Case.Death, Case.JewishDeath);
        Of.Burial = Case.Burial;
        EXPECT_EQ(Next(Of, Case.Today), Case.Expected) << Case.Title;
        EXPECT_EQ(FallsByBurial(Of, *NextDate(Of, Case.Today, true), true), Case.ByBurial) << Case.Title;
    }
}

TEST(NextDate, DueWithinItsDaysBeforeAndOnlyOnTheDayForZero)
{
    TRememberEntry Of = Entry(TRememberKind::Gregorian, {1970, 12, 15});
    const TDateTime Today = Day(2026, 12, 8);
    Of.DaysBefore = 7;
    EXPECT_EQ(DueIn(Of, Day(2026, 12, 15), Today), 7);
    EXPECT_EQ(DueIn(Of, Day(2026, 12, 16), Today), std::nullopt);
    EXPECT_EQ(DueIn(Of, Today, Today), 0);
    Of.DaysBefore = 0;
    EXPECT_EQ(DueIn(Of, Today, Today), 0);
    EXPECT_EQ(DueIn(Of, Day(2026, 12, 9), Today), std::nullopt);
    EXPECT_EQ(DueIn(Of, std::nullopt, Today), std::nullopt);
}

}  // namespace
}  // namespace mirvane
