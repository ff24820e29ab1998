#include "engine/DateServices.h"

#include <chrono>
#include <cmath>

#include "engine/ConvertError.h"

namespace mirvane {
namespace {

using namespace std::chrono;

constexpr sys_days DateTimeEpoch = year{1899} / December / 30;
constexpr sys_days FirstDecodable = year{1} / January / 1;
constexpr sys_days LastDecodable = year{32767} / December / 31;

// Far beyond any calendar date, yet small enough that the conversion to a
// 64-bit count is exact and later sums cannot overflow.
constexpr double LargestCountableDays = 1e15;

}  // namespace

std::optional<std::int64_t> WholeDays(TDateTime Value)
{
    if (!std::isfinite(Value) || std::fabs(Value) > LargestCountableDays)
        return std::nullopt;
    return static_cast<std::int64_t>(std::floor(Value));
}

TDateTime EncodeDate(std::int32_t Year, std::int32_t Month, std::int32_t Day)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > 31)
        throw EConvertError(InvalidDateEncodeText);
    const year_month_day Date{year{Year}, month{static_cast<unsigned>(Month)},
                              day{static_cast<unsigned>(Day)}};
    if (!Date.ok())
        throw EConvertError(InvalidDateEncodeText);
    return static_cast<TDateTime>((sys_days{Date} - DateTimeEpoch).count());
}

TGregorianDate DecodeDate(TDateTime Value)
{
    const auto Count = WholeDays(Value);
    if (!Count)
        return {};
    const sys_days Day = DateTimeEpoch + days{*Count};
    if (Day < FirstDecodable || Day > LastDecodable)
        return {};
    const year_month_day Date{Day};
    return {static_cast<int>(Date.year()), static_cast<std::int32_t>(static_cast<unsigned>(Date.month())),
            static_cast<std::int32_t>(static_cast<unsigned>(Date.day()))};
}

TGregorianDate NextDate(const TGregorianDate& Date)
{
    // Every month has a 28th: most days need no calendar at all.
    if (Date.Day < 28)
        return {Date.Year, Date.Month, Date.Day + 1};
    const year Year{Date.Year};
    const month Month{static_cast<unsigned>(Date.Month)};
    if ((Year / Month / day{static_cast<unsigned>(Date.Day) + 1}).ok())
        return {Date.Year, Date.Month, Date.Day + 1};
    const year_month Following = Year / Month + months{1};
    return {static_cast<int>(Following.year()), static_cast<std::int32_t>(static_cast<unsigned>(Following.month())),
            1};
}

std::int32_t DayOfWeek(TDateTime Value)
{
    const auto Count = WholeDays(Value);
    if (!Count)
        return 0;
    // The weekday repeats every seven days, so only the remainder is placed on
    // the calendar; that keeps any finite value inside chrono's range.
    const std::int64_t Remainder = ((*Count % 7) + 7) % 7;
    const weekday Weekday{DateTimeEpoch + days{Remainder}};
    return static_cast<std::int32_t>(Weekday.c_encoding()) + 1;
}

TDateTime Today()
{
    const sys_days Now = floor<days>(system_clock::now());
    return static_cast<TDateTime>((Now - DateTimeEpoch).count());
}

}  // namespace mirvane
