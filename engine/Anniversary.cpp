#include "engine/Anniversary.h"

#include "engine/DateConversion.h"
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

}  // namespace mirvane
