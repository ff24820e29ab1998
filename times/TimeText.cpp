#include "times/TimeText.h"

#include <array>
#include <cstdio>

namespace mirvane {
namespace {

using namespace std::chrono;

template <typename Unit>
sys_time<Unit> Rounded(TInstant At, TRounding Rounding)
{
    switch (Rounding) {
    case TRounding::Down:
        return floor<Unit>(At);
    case TRounding::Up:
        return ceil<Unit>(At);
    case TRounding::Nearest:
        break;
    }
    return round<Unit>(At);
}

struct TLocalParts {
    year_month_day Date;
    hh_mm_ss<seconds> Time;
};

// The local clock reading, rounded there, so that offsets of odd seconds
// round as the clock shows them.
template <typename Unit>
TLocalParts LocalParts(TInstant At, seconds Offset, TRounding Rounding)
{
    const sys_seconds Local = Rounded<Unit>(At + Offset, Rounding);  // counted like UTC
    const sys_days Day = floor<days>(Local);
    return {year_month_day{Day}, hh_mm_ss<seconds>{Local - Day}};
}

seconds OffsetAt(TInstant At, const TTimeZone& Zone)
{
    return Zone.OffsetAt(floor<seconds>(At));
}

}  // namespace

std::string IsoLocalTimeText(TInstant At, const TTimeZone& Zone, TRounding Rounding)
{
    const minutes Offset = round<minutes>(OffsetAt(At, Zone));
    const TLocalParts Parts = LocalParts<seconds>(At, Offset, Rounding);
    const hh_mm_ss<minutes> OffsetParts{Offset};
    char Text[48];
    const int Length = std::snprintf(
        Text, sizeof Text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d", static_cast<int>(Parts.Date.year()),
        static_cast<unsigned>(Parts.Date.month()), static_cast<unsigned>(Parts.Date.day()),
        static_cast<int>(Parts.Time.hours().count()), static_cast<int>(Parts.Time.minutes().count()),
        static_cast<int>(Parts.Time.seconds().count()), OffsetParts.is_negative() ? '-' : '+',
        static_cast<int>(OffsetParts.hours().count()), static_cast<int>(OffsetParts.minutes().count()));
    return std::string(Text, static_cast<std::size_t>(Length));
}

std::string ClockText(TInstant At, const TTimeZone& Zone, TRounding Rounding)
{
    const TLocalParts Parts = LocalParts<minutes>(At, OffsetAt(At, Zone), Rounding);
    char Text[8];
    std::snprintf(Text, sizeof Text, "%02d:%02d", static_cast<int>(Parts.Time.hours().count()),
                  static_cast<int>(Parts.Time.minutes().count()));
    return Text;
}

std::string ClockTextOrDash(const std::optional<TInstant>& At, const TTimeZone& Zone, TRounding Rounding)
{
    return At ? ClockText(*At, Zone, Rounding) : "—";
}

sys_days LocalDayOf(TInstant At, const TTimeZone& Zone, TRounding Rounding)
{
    return sys_days{LocalParts<minutes>(At, OffsetAt(At, Zone), Rounding).Date};
}

sys_seconds ShownMinute(TInstant At, const TTimeZone& Zone, TRounding Rounding)
{
    const seconds Offset = OffsetAt(At, Zone);
    return Rounded<minutes>(At + Offset, Rounding) - Offset;
}

std::string DayClockText(const TDayTime& Time, sys_days Day, const TTimeZone& Zone)
{
    if (!Time.At)
        return "—";
    std::string Text = ClockText(*Time.At, Zone, Time.Rounding);
    const sys_days Shown = LocalDayOf(*Time.At, Zone, Time.Rounding);
    if (Shown != Day) {
        static constexpr std::array<const char*, 7> Weekdays{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
        Text += " (" + std::string(Weekdays[weekday{Shown}.c_encoding()]) + ' ' +
                std::to_string(static_cast<unsigned>(year_month_day{Shown}.day())) + ')';
    }
    return Text;
}

}  // namespace mirvane
