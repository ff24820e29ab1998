#include "engine/HebrewDateText.h"

#include <cstddef>

#include "engine/Anniversary.h"
#include "engine/HebrewNames.h"
#include "engine/HebrewNumeral.h"
#include "engine/JewishYear.h"

namespace mirvane {
namespace {

std::string_view HebrewPortionName(std::int32_t Index)
{
    return (Index >= 0 && static_cast<std::size_t>(Index) < HebrewPortionNames.size())
               ? HebrewPortionNames[static_cast<std::size_t>(Index)]
               : std::string_view();
}

}  // namespace

std::string_view HebrewMonthName(std::int32_t Year, std::int32_t Month)
{
    if (Month < 1 || Month > 13)
        return {};
    // Only the year's place in the cycle matters.
    const bool Leap = Year >= 1 && LeapCycleTable(YearInCycleOf(Year));
    return (Leap ? HebrewMonthNamesLeap : HebrewMonthNames)[static_cast<std::size_t>(Month)];
}

std::string HebrewJewishDateText(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    std::string Text = HebrewNumeral(Day);
    Text += ' ';
    Text += HebrewMonthName(Year, Month);
    Text += ' ';
    Text += HebrewYearNumeral(Year);
    return Text;
}

std::string HebrewDayText(TJewishYear& Calculator, std::int32_t Month, std::int32_t Day)
{
    const std::int32_t Festival = Calculator.FestivalIndexOfDay(Month, Day);
    std::string Text{Festival < 0 ? std::string_view() : HebrewFestivalNames[static_cast<std::size_t>(Festival)]};
    const TPortionSlot Saturday = Calculator.PortionsOfDay(Month, Day);
    if (Saturday.Portion == 0)
        return Text;
    if (!Text.empty())
        Text += ' ';
    Text += HebrewPortionName(Saturday.Portion);
    if (Saturday.JoinedPortion != 0) {
        Text += '-';
        Text += HebrewPortionName(Saturday.JoinedPortion);
    }
    return Text;
}

std::string JewishDateTextIn(const TJewishDate& Date, bool Hebrew)
{
    return Hebrew ? HebrewJewishDateText(Date.Year, Date.Month, Date.Day)
                  : JewishDateText(Date.Year, Date.Month, Date.Day);
}

}  // namespace mirvane
