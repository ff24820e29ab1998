#pragma once

#include <cstdint>
#include <optional>

namespace mirvane {

// A date-time value: days since 30 December 1899 on the proleptic Gregorian
// calendar. Whole numbers are midnights; this program only keeps whole days.
using TDateTime = double;

struct TGregorianDate {
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    bool operator==(const TGregorianDate&) const = default;
};

// Years 1..9999, months 1..12 and days 1..month length only; anything else
// throws EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(std::int32_t Year, std::int32_t Month, std::int32_t Day);

// The date of the whole day of Value. Values after 9999 decode too (1 Tishrei
// of the last years the calendar reaches falls in the Gregorian years 10000 to
// 10014); before 1 January of year 1, after 32767 and for NaN or infinities
// the result is 0, 0, 0.
TGregorianDate DecodeDate(TDateTime Value);

// The day after Date, a valid date of years 1..32767; for walking many days
// in order without decoding each day anew.
TGregorianDate NextDate(const TGregorianDate& Date);

// 1 = Sunday ... 7 = Saturday; value 0 is a Saturday. NaN, infinities and
// values beyond 10^15 days give 0.
std::int32_t DayOfWeek(TDateTime Value);

// Today's date from the system clock, without the time of day.
TDateTime Today();

// The whole-day count of Value (its floor); nothing for NaN, infinities and
// values too large to count in days.
std::optional<std::int64_t> WholeDays(TDateTime Value);

}  // namespace mirvane
