#include "ui/TimeCaptions.h"

#include <string_view>

#include <QCoreApplication>

#include "times/CivilDay.h"
#include "times/TimeText.h"
#include "ui/LocalDates.h"

namespace mirvane {
namespace {

struct TCaption {
    std::string_view Key;
    const char* English;
};

// The English texts are the library's own, so the English window shows
// exactly what the library writes.
constexpr TCaption Captions[] = {
    {"alotHaShachar", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Dawn")},
    {"misheyakir", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Earliest tallit and tefillin")},
    {"sunrise", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Sunrise")},
    {"sofZmanShmaMGA", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Latest Shma (Magen Avraham)")},
    {"sofZmanShma", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Latest Shma (Gra)")},
    {"sofZmanTfillaMGA", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Latest Shacharit (Magen Avraham)")},
    {"sofZmanTfilla", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Latest Shacharit (Gra)")},
    {"chatzot", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Midday")},
    {"minchaGedola", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Earliest Mincha")},
    {"minchaKetana", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Mincha Ketana")},
    {"plagHaMincha", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Plag HaMincha")},
    {"sunset", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Sunset")},
    {"tzeit", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Nightfall")},
    {"candleLighting", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Candle lighting")},
    {"chanukahCandles", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Chanukah candles")},
    {"havdalah", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Havdalah")},
    {"fastBegins", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Fast begins")},
    {"fastEnds", QT_TRANSLATE_NOOP("mirvane::TTimesTab", "Fast ends")},
};

}  // namespace

QString TimeCaption(const TDayTime& Time)
{
    for (const TCaption& Caption : Captions) {
        if (Caption.Key == Time.Key)
            return QCoreApplication::translate("mirvane::TTimesTab", Caption.English);
    }
    return QString::fromUtf8(Time.Caption.data(), static_cast<qsizetype>(Time.Caption.size()));
}

QString CandleRuleText(const TTimesRules& Rules)
{
    return QCoreApplication::translate("mirvane::TTimesTab", "Candles %1 minutes before sunset")
        .arg(Rules.CandleMinutes);
}

QString WindowClockText(const TDayTime& Time, std::chrono::sys_days Day, const TTimeZone& Zone)
{
    if (!Time.At)
        return QStringLiteral("—");
    QString Text = QString::fromStdString(ClockText(*Time.At, Zone, Time.Rounding));
    const std::chrono::sys_days Shown = LocalDayOf(*Time.At, Zone, Time.Rounding);
    if (Shown != Day)
        Text += QStringLiteral(" (%1)").arg(LocalShortDate(DateTimeOfDay(Shown)));
    return Text;
}

QString AbsenceText(const TDayTime& Time)
{
    const auto Say = [](const char* Text) { return QCoreApplication::translate("mirvane::TTimesTab", Text); };
    switch (Time.Why) {
    case TAbsence::None:
        return {};
    case TAbsence::SunDoesNotSet:
        return Say(QT_TRANSLATE_NOOP("mirvane::TTimesTab", "The sun does not set on this day"));
    case TAbsence::SunDoesNotRise:
        return Say(QT_TRANSLATE_NOOP("mirvane::TTimesTab", "The sun does not rise on this day"));
    case TAbsence::NotDarkEnough:
        return Say(QT_TRANSLATE_NOOP("mirvane::TTimesTab", "It does not get dark enough for %1"))
            .arg(TimeCaption(Time).toLower());
    case TAbsence::NotLightEnough:
        return Say(QT_TRANSLATE_NOOP("mirvane::TTimesTab", "It does not get light enough for %1"))
            .arg(TimeCaption(Time).toLower());
    }
    return {};
}

}  // namespace mirvane
