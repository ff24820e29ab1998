#include "remember/DueReminders.h"

#include "engine/GregorianDateText.h"
#include "remember/NextDate.h"
#include "remember/RememberSort.h"

namespace mirvane {

std::vector<TDueReminder> DueReminders(const std::vector<TRememberEntry>& Entries, TDateTime Today,
                                       bool PlainAdarIsAdar2)
{
    std::vector<TRememberRow> Rows = RowsOf(Entries, Today, PlainAdarIsAdar2);
    SortRows(Rows, TRememberSort::NextDate);
    std::vector<TDueReminder> Due;
    for (TRememberRow& Row : Rows) {
        if (const std::optional<std::int32_t> Days = DueIn(Row.Entry, Row.Next, Today))
            Due.push_back({std::move(Row.Entry), *Row.Next, *Days});
    }
    return Due;
}

std::vector<TDueReminder> NotRemindedOn(const std::vector<TDueReminder>& Due, TDateTime Today)
{
    const TGregorianDate Day = DecodeDate(Today);
    std::vector<TDueReminder> Left;
    for (const TDueReminder& Reminder : Due) {
        if (Reminder.Entry.LastNotified != Day)
            Left.push_back(Reminder);
    }
    return Left;
}

std::string DueWhenText(std::int32_t DaysUntil)
{
    if (DaysUntil == 0)
        return "today";
    if (DaysUntil == 1)
        return "tomorrow";
    return "in " + std::to_string(DaysUntil) + " days";
}

std::string DueReminderLine(const TDueReminder& Due)
{
    return TitleWithWhat(Due.Entry.What, Due.Entry.Occasion) + ", " + GregorianDateText(Due.Next) + ", " + DueWhenText(Due.DaysUntil);
}

}  // namespace mirvane
