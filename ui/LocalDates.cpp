#include "ui/LocalDates.h"

#include <cstddef>

#include <QDate>
#include <QLocale>

#include "engine/GregorianDateText.h"
#include "engine/NameTables.h"
#include "ui/Language.h"

namespace mirvane {
namespace {

QLocale HebrewLocale()
{
    return QLocale(QLocale::Hebrew, QLocale::Israel);
}

QDate QDateOf(TDateTime Value)
{
    const TGregorianDate Date = DecodeDate(Value);
    return QDate(Date.Year, Date.Month, Date.Day);
}

// The locale's pattern pads a year to four digits ("0070"); the calendar
// writes its years as they are counted.
QString DateInPattern(const QLocale& Locale, const QDate& Date, QString Pattern)
{
    Pattern.replace(QLatin1String("yyyy"), QLatin1Char('\'') + QString::number(Date.year()) + QLatin1Char('\''));
    return Locale.toString(Date, Pattern);
}

TCivilNames HebrewCivilNames()
{
    const QLocale Locale = HebrewLocale();
    TCivilNames Names;
    // QLocale counts Monday as 1 and Sunday as 7.
    for (int Day = 1; Day <= 7; ++Day)
        Names.Weekdays[static_cast<std::size_t>(Day)] = Locale.dayName(Day == 1 ? 7 : Day - 1).toStdString();
    for (int Month = 1; Month <= 12; ++Month)
        Names.ShortMonths[static_cast<std::size_t>(Month)] = Locale.monthName(Month, QLocale::ShortFormat).toStdString();
    Names.LongDate = [Locale](TDateTime Value) {
        const QDate Date = QDateOf(Value);
        return Date.isValid() ? DateInPattern(Locale, Date, Locale.dateFormat(QLocale::LongFormat)).toStdString()
                              : std::string();
    };
    return Names;
}

}  // namespace

const TCivilNames& WindowCivilNames()
{
    if (!HebrewInUse())
        return EnglishCivilNames();
    static const TCivilNames Hebrew = HebrewCivilNames();
    return Hebrew;
}

QString LocalDateText(TDateTime Value)
{
    return QString::fromStdString(WindowCivilNames().LongDate(Value));
}

QString LocalMonthYear(int Month, int Year)
{
    if (Month < 1 || Month > 12)
        return {};
    const QString Name = HebrewInUse() ? HebrewLocale().standaloneMonthName(Month, QLocale::LongFormat)
                                       : QString::fromUtf8(GregorianMonthNames[static_cast<std::size_t>(Month)]);
    return Name + QLatin1Char(' ') + QString::number(Year);
}

QString LocalDayMonthYear(TDateTime Value)
{
    const QDate Date = QDateOf(Value);
    if (!Date.isValid())
        return {};
    if (HebrewInUse())
        return DateInPattern(HebrewLocale(), Date, QStringLiteral("d בMMM yyyy"));
    return QStringLiteral("%1 %2 %3")
        .arg(Date.day())
        .arg(QString::fromLatin1(GregorianMonthShort[static_cast<std::size_t>(Date.month())]))
        .arg(Date.year());
}

QString LocalShortDate(TDateTime Value)
{
    const QDate Date = QDateOf(Value);
    if (!Date.isValid())
        return {};
    if (HebrewInUse())
        return HebrewLocale().toString(Date, QStringLiteral("ddd d בMMM"));
    const TGregorianDate Parts = DecodeDate(Value);
    return QStringLiteral("%1 %2 %3")
        .arg(QString::fromUtf8(DayNames[static_cast<std::size_t>(DayOfWeek(Value))]).left(3))
        .arg(Parts.Day)
        .arg(QString::fromUtf8(GregorianMonthShort[static_cast<std::size_t>(Parts.Month)]));
}

}  // namespace mirvane
