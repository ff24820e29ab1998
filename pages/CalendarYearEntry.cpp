#include "pages/CalendarYearEntry.h"

#include <algorithm>
#include <limits>

#include "text/DecimalText.h"

namespace mirvane {
namespace {

// Typed years at or below these are ignored: the first digits of a longer
// year, or a year without a new-year date.
constexpr std::int32_t LowestTypedGregorianYear = 10;
constexpr std::int32_t LowestTypedJewishYear = 3762;

// A year moved by a typed difference, kept within 32 bits; the grid refuses
// a year it cannot reach as it refuses any other.
std::int32_t ShiftedYear(std::int32_t Year, std::int32_t Typed, std::int32_t Other)
{
    const std::int64_t Shifted = std::int64_t{Year} + Typed - Other;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(Shifted, std::numeric_limits<std::int32_t>::min(),
                                                              std::numeric_limits<std::int32_t>::max()));
}

}  // namespace

std::optional<TYearInCalendar> TypedGregorianYear(std::string_view Text, const TCalendarYears& Current)
{
    const std::int32_t Typed = ReadDecimal(Text).value_or(0);
    if (Typed <= LowestTypedGregorianYear)
        return std::nullopt;
    if (Current.JewishSelected)
        return TYearInCalendar{true, ShiftedYear(Current.Jewish, Typed, Current.Gregorian)};
    return TYearInCalendar{false, Typed};
}

std::optional<TYearInCalendar> TypedJewishYear(std::string_view Text, const TCalendarYears& Current)
{
    const std::int32_t Typed = ReadDecimal(Text).value_or(0);
    if (Typed <= LowestTypedJewishYear)
        return std::nullopt;
    if (Current.JewishSelected)
        return TYearInCalendar{true, Typed};
    return TYearInCalendar{false, ShiftedYear(Current.Gregorian, Typed, Current.Jewish)};
}

}  // namespace mirvane
