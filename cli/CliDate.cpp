#include "cli/CliDate.h"

#include <charconv>
#include <cstdint>
#include <system_error>

#include "cli/CliFailure.h"
#include "engine/ConvertError.h"
#include "engine/DateConversion.h"
#include "engine/JewishYear.h"
#include "engine/GregorianDateText.h"
#include "pages/YearList.h"

namespace mirvane {
namespace {

std::optional<std::int32_t> Digits(std::string_view Text)
{
    std::int32_t Value = 0;
    const char* const End = Text.data() + Text.size();
    const auto [Stop, Error] = std::from_chars(Text.data(), End, Value);
    if (Text.empty() || Text.front() == '-' || Error != std::errc{} || Stop != End)
        return std::nullopt;
    return Value;
}

}  // namespace

std::optional<TDateTime> ReadCliDate(std::string_view Text)
{
    if (Text == "today")
        return Today();
    if (Text.size() != 10 || Text[4] != '-' || Text[7] != '-')
        return std::nullopt;
    const auto Year = Digits(Text.substr(0, 4));
    const auto Month = Digits(Text.substr(5, 2));
    const auto Day = Digits(Text.substr(8, 2));
    if (!Year || !Month || !Day)
        return std::nullopt;
    try {
        return EncodeDate(*Year, *Month, *Day);
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

std::string CliDateProblem(const std::string& Text)
{
    return ReadCliDate(Text) ? std::string{} : "not a date (YYYY-MM-DD or today): " + Text;
}

void RequireJewishDate(TDateTime Date)
{
    if (Date < FirstConvertibleDate())
        throw ECliFailure("no Jewish date for " + IsoDateText(Date) + ": the calendar begins on " +
                          IsoDateText(FirstConvertibleDate()));
}

void RequireDatedJewishYear(std::int64_t Year, std::string_view What)
{
    if (!HasNewYearDate(Year))
        throw ECliFailure("no " + std::string{What} + " for the Jewish year " + std::to_string(Year) +
                          ": the calendar gives dates to the years " + std::to_string(FirstYearWithNewYearDate) +
                          " to " + std::to_string(LastYearWithNewYearDate));
}

}  // namespace mirvane
