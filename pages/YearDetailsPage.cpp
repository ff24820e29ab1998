#include "pages/YearDetailsPage.h"

#include <cstddef>

#include "engine/HebrewDateText.h"
#include "engine/HebrewNumeral.h"
#include "text/DecimalText.h"

namespace mirvane {
namespace {

constexpr std::int32_t LastMonthIndex = Adar2 - 1;

std::int32_t YearToShow(const TYearDetailsInput& Input)
{
    const std::int32_t Typed = ReadDecimal(Input.YearText).value_or(0);
    return Typed > 0 ? Typed : Input.ShownYear;
}

std::int32_t SelectedMonth(std::int32_t MonthIndex)
{
    return (MonthIndex >= 0 && MonthIndex <= LastMonthIndex) ? MonthIndex + 1 : 0;
}

}  // namespace

TMonthDetails ComputeMonthDetails(const TJewishYear& Year, std::int32_t Month)
{
    // A month that is none shows an empty time.
    const TMoonTime Molad = Year.MonthMolad(Month).value_or(TMoonTime());
    return {std::to_string(Year.DaysInMonth(Month)), std::to_string(Molad.Days), std::to_string(Molad.Hours),
            std::to_string(Molad.Parts), Molad.MoladText(), Molad.Clock()};
}

TYearDetailsPage ComputeYearDetails(const TYearDetailsInput& Input)
{
    TJewishYear Details;
    Details.SetYear(YearToShow(Input));

    TYearDetailsPage Page;
    Page.Year = Details.Year;
    Page.CycleNumber = std::to_string(Details.CycleNumber);
    Page.YearInCycle = std::to_string(Details.YearInCycle);
    Page.IsLeap = Details.IsLeap;
    Page.MoladDays = std::to_string(Details.MoladTishrei.Days);
    Page.MoladHours = std::to_string(Details.MoladTishrei.Hours);
    Page.MoladParts = std::to_string(Details.MoladTishrei.Parts);
    Page.FirstDayWeekday = Input.Names->Weekdays[static_cast<std::size_t>(Details.NewYearWeekday)];
    Page.CheshvanDays = std::to_string(Details.DaysInMonth(Cheshvan));
    Page.KislevDays = std::to_string(Details.DaysInMonth(Kislev));
    Page.SeasonTime = Details.NissanSeason.SeasonText();
    Page.Season = Details.NissanSeason;
    if (Details.Year >= FirstYearWithNewYearDate)
        Page.FirstDayDate = Input.Names->LongDate(Details.NewYearDate);
    Page.SeasonDay = Input.HebrewNames ? HebrewNumeral(Details.NissanSeasonDay) + ' ' +
                                             std::string(HebrewMonthName(Details.Year, Details.NissanSeasonMonth))
                                       : Details.NissanSeasonText;
    Page.Month = ComputeMonthDetails(Details, SelectedMonth(Input.MonthIndex));
    const TMonthNameTable& MonthNames = Details.GetMonthNames();
    Page.AdarEntry = MonthNames[Adar];
    Page.SecondAdarEntry = MonthNames[Adar2];
    return Page;
}

}  // namespace mirvane
