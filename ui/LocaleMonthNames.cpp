#include "ui/LocaleMonthNames.h"

#include <cstddef>

#include <QLocale>

namespace mirvane {

TLocaleMonthNames MonthNamesOf(const QLocale& Locale)
{
    TLocaleMonthNames Names;
    for (std::size_t Index = 0; Index < Names.Full.size(); ++Index) {
        const int Month = static_cast<int>(Index) + 1;
        Names.Abbreviated[Index] = Locale.monthName(Month, QLocale::ShortFormat).toStdString();
        Names.Full[Index] = Locale.monthName(Month, QLocale::LongFormat).toStdString();
    }
    return Names;
}

}  // namespace mirvane
