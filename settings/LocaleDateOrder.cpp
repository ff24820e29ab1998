#include "settings/LocaleDateOrder.h"

#include <QLocale>

namespace mirvane {

TDateOrder DateOrderOfFormat(const QString& Format)
{
    qsizetype DayAt = -1;
    qsizetype MonthAt = -1;
    qsizetype YearAt = -1;
    bool Quoted = false;
    qsizetype Index = 0;
    while (Index < Format.size()) {
        const QChar Letter = Format[Index];
        if (Letter == u'\'') {
            Quoted = !Quoted;
            ++Index;
            continue;
        }
        qsizetype RunEnd = Index + 1;
        while (RunEnd < Format.size() && Format[RunEnd] == Letter) {
            ++RunEnd;
        }
        // "ddd" and "dddd" are weekday names, not the day of the month.
        const bool IsDay = Letter == u'd' && RunEnd - Index <= 2;
        qsizetype* Field = Quoted ? nullptr : IsDay ? &DayAt : Letter == u'M' ? &MonthAt : Letter == u'y' ? &YearAt : nullptr;
        if (Field != nullptr && *Field < 0) {
            *Field = Index;
        }
        Index = RunEnd;
    }
    if (DayAt < 0 || MonthAt < 0 || YearAt < 0) {
        return DayMonthYear;
    }
    if (MonthAt < DayAt && DayAt < YearAt) {
        return MonthDayYear;
    }
    if (YearAt < MonthAt && MonthAt < DayAt) {
        return YearMonthDay;
    }
    return DayMonthYear;
}

TDateOrder LocaleDateOrder()
{
    return DateOrderOfFormat(QLocale::system().dateFormat(QLocale::ShortFormat));
}

}  // namespace mirvane
