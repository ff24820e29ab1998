#include "pages/TimesPageDay.h"

#include "engine/ConvertError.h"
#include "engine/DateConversion.h"

namespace mirvane {

TDateTime LastTimesPageDay()
{
    static const TDateTime Last = EncodeDate(9999, 12, 31);
    return Last;
}

std::optional<TDateTime> TimesPageDay(const TDateEntry& Entry)
{
    if (!Entry.Usable())
        return std::nullopt;
    try {
        const TDateTime Day = EncodeDate(Entry.Year, Entry.Month, Entry.Day);
        if (Day < FirstConvertibleDate() || Day > LastTimesPageDay())
            return std::nullopt;
        return Day;
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

}  // namespace mirvane
