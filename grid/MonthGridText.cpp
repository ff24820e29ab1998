// The texts the month grid shows: headings, weekdays, day numbers and the
// festival and portion text of each day.
#include <cstddef>
#include <string>

#include "engine/HebrewNames.h"
#include "engine/HebrewNumeral.h"
#include "engine/NameTables.h"
#include "grid/DayDescription.h"
#include "grid/MonthGrid.h"
#include "luach/OmerCount.h"

namespace mirvane {
namespace {

// First, then "/" and each further value above 0, as Name gives them.
template <typename TName>
std::string Joined(std::int32_t First, std::int32_t Second, std::int32_t Third, TName Name)
{
    std::string Text{Name(First)};
    for (const std::int32_t Further : {Second, Third}) {
        if (Further > 0) {
            Text += '/';
            Text += Name(Further);
        }
    }
    return Text;
}

std::string Decimal(std::int32_t Value)
{
    return std::to_string(Value);
}

std::string Letters(std::int32_t Value)
{
    return HebrewNumeral(Value);
}

std::string YearLetters(std::int32_t Year)
{
    return HebrewYearNumeral(Year);
}

}  // namespace

std::string TMonthGrid::CellText(std::int32_t Col, std::int32_t Row) const
{
    if (Col < 0 || Col >= GridColCount || Row < 0 || Row >= GridRowCount)
        return {};
    return Row < FirstDayRow ? HeadingText(Col, Row) : DayRowText(Col, Row);
}

std::string TMonthGrid::HeadingText(std::int32_t Col, std::int32_t Row) const
{
    const auto GregorianName = [this](std::int32_t Month) {
        return FNames.ShortMonths[static_cast<std::size_t>(Month)];
    };
    const TMonthNameTable& JewishNames = !FHebrewNames  ? FYearCalc.GetMonthNames()
                                         : FYearCalc.IsLeap ? HebrewMonthNamesLeap
                                                            : HebrewMonthNames;
    const auto JewishName = [&JewishNames](std::int32_t Month) {
        return JewishNames[static_cast<std::size_t>(Month)];
    };
    if (Row == YearRow && Col == GregorianColumn)
        return Joined(FPage.FirstGregorianYear, FPage.NextGregorianYear, 0, Decimal);
    if (Row == YearRow && Col == JewishColumn)
        return FHebrewNames ? Joined(FPage.FirstJewishYear, FPage.NextJewishYear, 0, YearLetters)
                            : Joined(FPage.FirstJewishYear, FPage.NextJewishYear, 0, Decimal);
    if (Row == MonthRow && Col == GregorianColumn)
        return Joined(FPage.FirstGregorianMonth, FPage.SecondGregorianMonth, FPage.ThirdGregorianMonth,
                      GregorianName);
    if (Row == MonthRow && Col == JewishColumn)
        return Joined(FPage.FirstJewishMonth, FPage.SecondJewishMonth, FPage.ThirdJewishMonth, JewishName);
    return {};
}

std::string TMonthGrid::DayRowText(std::int32_t Col, std::int32_t Row) const
{
    if (!IsDayRow(Row))
        return {};
    switch (Col) {
    case WeekdayColumn:
        return FNames.Weekdays[static_cast<std::size_t>((FPage.FirstWeekday + Row - FirstDayRow - 1) % 7 + 1)];
    case GregorianColumn:
        return Decimal(CellDay(Col, Row));
    case JewishColumn:
        return FHebrewNames ? Letters(CellDay(Col, Row)) : Decimal(CellDay(Col, Row));
    default: {
        const TCellDate Date = CellDate(JewishColumn, Row);
        std::string Text = WithLuach(TextCache.DayText(Date.Year, Date.Month, Date.Day, FRules, FHebrewNames),
                                     FPage.FirstDate + (Row - FirstDayRow));
        const std::string Times = CellTimes(Col, Row);
        if (!Times.empty())
            Text += "  " + Times;
        return Text;
    }
    }
}

std::string TMonthGrid::CellTimes(std::int32_t Col, std::int32_t Row) const
{
    if (Col != DayTextColumn || !IsDayRow(Row) || !TimesText.HasSite())
        return {};
    return TimesText.TimesText(FPage.FirstDate + (Row - FirstDayRow), FRules, FHebrewNames);
}

std::string TMonthGrid::WithLuach(std::string DayText, TDateTime Date) const
{
    const std::string Luach = LuachText(Date);
    if (!Luach.empty()) {
        DayText.erase(DayText.find_last_not_of(' ') + 1);
        DayText += (DayText.empty() ? "" : "  ") + Luach;
    }
    return DayText;
}

std::string TMonthGrid::LuachText(TDateTime Date) const
{
    if (!FLuachShow.AddsToFestivals())
        return {};
    return LuachDayText(LuachEntries(Date), FHebrewNames);
}

const std::vector<const TLuachEntry*>& TMonthGrid::LuachEntries(TDateTime Date) const
{
    if (!LuachDays)
        LuachDays.emplace(FRules, FLuachShow);
    LuachDays->Seek(Date);
    return LuachDays->Entries();
}

std::string TMonthGrid::CellOmerCount(std::int32_t Col, std::int32_t Row) const
{
    if (Col != DayTextColumn || !IsDayRow(Row) || !FLuachShow.Shows(TLuachCategory::Omer))
        return {};
    for (const TLuachEntry* Entry : LuachEntries(FPage.FirstDate + (Row - FirstDayRow)))
        if (Entry->OmerDay > 0)
            return OmerCountSentence(Entry->OmerDay) + '\n' + HebrewOmerCountSentence(Entry->OmerDay);
    return {};
}

std::string TMonthGrid::SelectedDayDescription() const
{
    const TJewishDate Date = CurrentJewishDate();
    return DayDescription(FCurrentDate,
                          WithLuach(TextCache.DayText(Date.Year, Date.Month, Date.Day, FRules, FHebrewNames), FCurrentDate),
                          FHebrewNames, FNames);
}

}  // namespace mirvane
