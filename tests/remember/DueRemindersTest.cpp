#include <gtest/gtest.h>

#include "engine/DateServices.h"
#include "remember/DueReminders.h"

namespace mirvane {
namespace {

TRememberEntry Entry(const char* Occasion, TGregorianDate Date, TRememberKind Kind, std::int32_t DaysBefore)
{
    TRememberEntry Made;
    Made.Occasion = Occasion;
    Made.Date = Date;
    Made.Kind = Kind;
    Made.DaysBefore = DaysBefore;
    return Made;
}

std::vector<std::string> Lines(const std::vector<TDueReminder>& Due)
{
    std::vector<std::string> Result;
    for (const TDueReminder& Reminder : Due)
        Result.push_back(DueReminderLine(Reminder));
    return Result;
}

TEST(DueReminders, OnlyDueEntriesSoonestFirstAcrossTheYearBoundary)
{
    const TDateTime Today = EncodeDate(2026, 12, 29);
    const std::vector<TRememberEntry> Entries{
        Entry("New year", {1990, 1, 2}, TRememberKind::Gregorian, 7),       // next year, 4 days on
        Entry("Zero, on the day", {1980, 12, 29}, TRememberKind::Gregorian, 0),
        Entry("Zero, tomorrow", {1980, 12, 30}, TRememberKind::Gregorian, 0),  // not due: 0 means the day only
        Entry("Once, past", {2026, 12, 28}, TRememberKind::Once, 365),
        Entry("Once, tomorrow", {2026, 12, 30}, TRememberKind::Once, 1),
        Entry("Too far", {1970, 1, 6}, TRememberKind::Gregorian, 7),        // 8 days on
    };
    EXPECT_EQ(Lines(DueReminders(Entries, Today, true)),
              (std::vector<std::string>{"Zero, on the day, Tuesday 29 December 2026, today",
                                        "Once, tomorrow, Wednesday 30 December 2026, tomorrow",
                                        "New year, Saturday 2 January 2027, in 4 days"}));
    EXPECT_TRUE(DueReminders({}, Today, true).empty());
}

TEST(DueReminders, AnEntryRemindedOfTodayIsLeftOutUntilTomorrow)
{
    const TDateTime Today = EncodeDate(2026, 12, 8);
    TRememberEntry Reminded = Entry("Reminded", {1970, 12, 10}, TRememberKind::Gregorian, 7);
    Reminded.LastNotified = TGregorianDate{2026, 12, 8};
    TRememberEntry Yesterday = Entry("Yesterday", {1970, 12, 10}, TRememberKind::Gregorian, 7);
    Yesterday.LastNotified = TGregorianDate{2026, 12, 7};
    const std::vector<TDueReminder> Due = DueReminders({Reminded, Yesterday}, Today, true);
    ASSERT_EQ(Due.size(), 2U);
    const std::vector<TDueReminder> Left = NotRemindedOn(Due, Today);
    ASSERT_EQ(Left.size(), 1U);
    EXPECT_EQ(Left.front().Entry.Occasion, "Yesterday");
    EXPECT_EQ(NotRemindedOn(Due, Today + 1).size(), 2U);
}

TEST(DueReminders, WhenTexts)
{
    EXPECT_EQ(DueWhenText(0), "today");
    EXPECT_EQ(DueWhenText(1), "tomorrow");
    EXPECT_EQ(DueWhenText(2), "in 2 days");
    EXPECT_EQ(DueWhenText(365), "in 365 days");
}

}  // namespace
}  // namespace mirvane
