#include "times/TimeText.h"

#include <cstdio>
#include <cstdlib>

#include <date/tz.h>

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
    seconds Offset;
};

// The local clock reading, rounded there, so that offsets of odd seconds
// round as the clock shows them.
template <typename Unit>
TLocalParts LocalParts(TInstant At, const date::time_zone& Zone, TRounding Rounding)
{
    const seconds Offset = Zone.get_info(floor<seconds>(At)).offset;
    const sys_seconds Local = Rounded<Unit>(At + Offset, Rounding);  // counted like UTC
    const sys_days Day = floor<days>(Local);
    return {year_month_day{Day}, hh_mm_ss<seconds>{Local - Day}, Offset};
}

}  // namespace

std::string IsoLocalTimeText(TInstant At, const date::time_zone& Zone, TRounding Rounding)
{
    const TLocalParts Parts = LocalParts<seconds>(At, Zone, Rounding);
    const hh_mm_ss<seconds> Offset{Parts.Offset};
    char Text[48];
    int Length = std::snprintf(Text, sizeof Text, "%04d-%02u-%02uT%02d:%02d:%02d%c%02d:%02d",
                               static_cast<int>(Parts.Date.year()), static_cast<unsigned>(Parts.Date.month()),
                               static_cast<unsigned>(Parts.Date.day()), static_cast<int>(Parts.Time.hours().count()),
                               static_cast<int>(Parts.Time.minutes().count()),
                               static_cast<int>(Parts.Time.seconds().count()), Offset.is_negative() ? '-' : '+',
                               static_cast<int>(Offset.hours().count()), static_cast<int>(Offset.minutes().count()));
    if (Offset.seconds().count() != 0)
        Length += std::snprintf(Text + Length, sizeof Text - static_cast<std::size_t>(Length), ":%02d",
                                static_cast<int>(Offset.seconds().count()));
    return std::string(Text, static_cast<std::size_t>(Length));
}

std::string ClockText(TInstant At, const date::time_zone& Zone, TRounding Rounding)
{
    const TLocalParts Parts = LocalParts<minutes>(At, Zone, Rounding);
    char Text[8];
    std::snprintf(Text, sizeof Text, "%02d:%02d", static_cast<int>(Parts.Time.hours().count()),
                  static_cast<int>(Parts.Time.minutes().count()));
    return Text;
}

std::string ClockTextOrDash(const std::optional<TInstant>& At, const date::time_zone& Zone, TRounding Rounding)
{
    return At ? ClockText(*At, Zone, Rounding) : "—";
}

}  // namespace mirvane
