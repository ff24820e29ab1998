#include "pages/FestivalPage.h"

#include <algorithm>

#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "engine/GregorianDateText.h"
#include "pages/FestivalListEntry.h"
#include "pages/LuachDayNames.h"
#include "text/DecimalText.h"

namespace mirvane {
namespace {

// The Jewish year that ends in the summer of a Gregorian year.
constexpr std::int64_t JewishYearOffset = 3760;

// A festival first; Rosh Chodesh, the national and the minor days are
// found as the luach places them.
std::optional<TJewishDate> FindIn(TJewishYear& Lookup, std::int64_t JewishYear, const std::string& Name)
{
    Lookup.SetYear(static_cast<std::int32_t>(JewishYear));
    if (std::optional<TJewishDate> Festival = Lookup.FindFestival(Name))
        return Festival;
    if (!HasNewYearDate(JewishYear))
        return std::nullopt;
    return FindLuachDay(Lookup, Name);
}

bool IsAutumnOrWinterMonth(std::int32_t Month)
{
    return Month >= Tishrei && Month <= Tevet;
}

bool CanSetYear(std::int64_t JewishYear)
{
    return JewishYear >= 1 && JewishYear <= LastYearWithNewYearDate;
}

}  // namespace

TFestivalPage ComputeFestivalPage(const TFestivalInput& Input)
{
    TFestivalPage Page;
    const std::int64_t ChosenYear = ReadDecimal(Input.YearText).value_or(DecodeDate(Input.Today).Year);
    std::int64_t JewishYear = ChosenYear + JewishYearOffset;
    if (!CanSetYear(JewishYear))
        return Page;
    TJewishYear Lookup(Input.Rules);
    const std::string Name = FestivalNameOfEntry(Input.Name);
    std::optional<TJewishDate> Found = FindIn(Lookup, JewishYear, Name);
    if (Found && IsAutumnOrWinterMonth(Found->Month)) {
        ++JewishYear;
        if (!CanSetYear(JewishYear))
            return Page;
        Found = FindIn(Lookup, JewishYear, Name);
    }
    // A year without a date for 1 Tishrei would give a made-up date; the
    // years after it are not looked at either, as for a festival that does
    // not fall in the first year.
    if (!Found || !HasNewYearDate(JewishYear))
        return Page;

    const std::int32_t ListedYears = ListedYearCount(Input.YearsText);
    for (std::int32_t Offset = 0; Offset < std::max(ListedYears, 1); ++Offset) {
        if (Offset > 0) {
            if (!HasNewYearDate(JewishYear + Offset))
                break;
            Found = FindIn(Lookup, JewishYear + Offset, Name);
        }
        if (Found) {
            const TDateTime Date = JewishToDateTime(Found->Year, Found->Month, Found->Day);
            Page.Lines.push_back({Date, GregorianDateText(Date)});
        }
    }
    Page.Answer = Page.Lines.front();
    Page.ListShown = ListedYears > 0;
    return Page;
}

}  // namespace mirvane
