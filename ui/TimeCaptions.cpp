#include "ui/TimeCaptions.h"

#include <string_view>

#include <QCoreApplication>

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

}  // namespace mirvane
