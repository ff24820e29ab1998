#include "engine/Anniversary.h"

#include <optional>

#include "engine/AnniversaryCustoms.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "engine/NameTables.h"
#include "engine/YearFacts.h"

namespace mirvane {
namespace {

// Whether a year is leap is its place in the 19-year cycle, known for any
// year from 1 up without placing the year on the calendar; a year below 1
// has no place and counts as common.
bool IsLeapYear(std::int32_t Year)
{
    return Year >= 1 && LeapCycleTable(YearInCycleOf(Year));
}

std::int32_t DaysInMonth(std::int32_t Year, std::int32_t Month)
{
    TJewishYear Calendar;
    Calendar.SetYear(Year);
    return Calendar.DaysInMonth(Month);
}

// The day of its month on which 30 Cheshvan or 30 Kislev falls in
// TargetYear under Custom; nothing where it is the 30th or, in a 29-day
// month, the next month's 1st (the program's rule).
std::optional<std::int32_t> ShortMonthDay(const TJewishDate& Event, std::int32_t TargetYear,
                                          TShortMonthCustom Custom)
{
    if ((Event.Month != Cheshvan && Event.Month != Kislev) || Event.Day != 30)
        return std::nullopt;
    switch (Custom) {
    case TShortMonthCustom::Day29:
        if (DaysInMonth(TargetYear, Event.Month) == 29)
            return 29;
        return std::nullopt;
    case TShortMonthCustom::ByFirstAnniversary:
        if (DaysInMonth(Event.Year + 1, Event.Month) == 29)
            return DaysInMonth(TargetYear, Event.Month);
        return std::nullopt;
    case TShortMonthCustom::Options:
    case TShortMonthCustom::NextDay:
        break;
    }
    return std::nullopt;
}

}  // namespace

std::string JewishDateText(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    const TMonthNameTable& Names = IsLeapYear(Year) ? JewishMonthNamesLeap : JewishMonthNames;
    const std::string_view MonthName =
        (Month >= 1 && Month <= 13) ? Names[static_cast<std::size_t>(Month)] : std::string_view();
    std::string Text = std::to_string(Day);
    Text += ' ';
    Text += MonthName;
    Text += ' ';
    Text += std::to_string(Year);
    return Text;
}

std::int32_t AnniversaryMonth(std::int32_t BirthYear, std::int32_t BirthMonth, std::int32_t TargetYear,
                              bool PlainAdarIsAdar2)
{
    if (BirthMonth != Adar && BirthMonth != Adar2)
        return BirthMonth;
    if (!IsLeapYear(TargetYear))
        return Adar;
    // The Adar of a common year becomes whichever Adar the user chose; Adar I
    // and Adar II stay where they are.
    if (BirthMonth == Adar && !IsLeapYear(BirthYear) && PlainAdarIsAdar2)
        return Adar2;
    return BirthMonth;
}

TDateTime AnniversaryDate(std::int32_t BirthYear, std::int32_t BirthMonth, std::int32_t BirthDay,
                          std::int32_t TargetYear, bool PlainAdarIsAdar2)
{
    return JewishToDateTime(TargetYear, AnniversaryMonth(BirthYear, BirthMonth, TargetYear, PlainAdarIsAdar2),
                            BirthDay);
}

std::vector<TDateTime> CustomAnniversaryDates(const TJewishDate& Event, std::int32_t TargetYear,
                                              const TAnniversaryCustoms& Customs)
{
    const bool TargetLeap = IsLeapYear(TargetYear);
    if (Event.Month == Adar && !IsLeapYear(Event.Year) && TargetLeap) {
        switch (Customs.Adar) {
        case TAdarCustom::Adar1:
            return {JewishToDateTime(TargetYear, Adar, Event.Day)};
        case TAdarCustom::Adar2:
            return {JewishToDateTime(TargetYear, Adar2, Event.Day)};
        case TAdarCustom::Both:
            return {JewishToDateTime(TargetYear, Adar, Event.Day), JewishToDateTime(TargetYear, Adar2, Event.Day)};
        case TAdarCustom::Options:
            break;
        }
    }
    if (Event.Month == Adar && Event.Day == 30 && IsLeapYear(Event.Year) && !TargetLeap &&
        Customs.Adar1Thirty == TAdar1ThirtyCustom::Shvat30)
        return {JewishToDateTime(TargetYear, Shvat, 30)};
    if (const std::optional<std::int32_t> Day = ShortMonthDay(Event, TargetYear, Customs.ShortMonth))
        return {JewishToDateTime(TargetYear, Event.Month, *Day)};
    return {AnniversaryDate(Event.Year, Event.Month, Event.Day, TargetYear, Customs.PlainAdarIsAdar2)};
}

}  // namespace mirvane
