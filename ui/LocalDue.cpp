#include "ui/LocalDue.h"

#include <QCoreApplication>

#include "ui/LocalDates.h"

namespace mirvane {

QString LocalDueWhen(std::int32_t DaysUntil)
{
    if (DaysUntil == 0)
        return QCoreApplication::translate("LocalDue", "today");
    if (DaysUntil == 1)
        return QCoreApplication::translate("LocalDue", "tomorrow");
    // Qt counts Hebrew in two forms, one and many; two days is a word of
    // its own (יומיים), so it has a text of its own.
    if (DaysUntil == 2)
        return QCoreApplication::translate("LocalDue", "in 2 days");
    return QCoreApplication::translate("LocalDue", "in %n days", nullptr, DaysUntil);
}

QString LocalOccasionTitle(const TRememberEntry& Entry)
{
    const QString Occasion = QString::fromStdString(Entry.Occasion);
    switch (Entry.What) {
    case TOccasionWhat::Yahrzeit:
        return QCoreApplication::translate("LocalDue", "Yahrzeit: %1").arg(Occasion);
    case TOccasionWhat::Birthday:
        return QCoreApplication::translate("LocalDue", "Birthday: %1").arg(Occasion);
    case TOccasionWhat::Anniversary:
        return QCoreApplication::translate("LocalDue", "Anniversary: %1").arg(Occasion);
    case TOccasionWhat::Other:
        break;
    }
    return Occasion;
}

QString LocalDueLine(const TDueReminder& Due)
{
    return QCoreApplication::translate("LocalDue", "%1, %2, %3", "occasion, date, when it is due")
        .arg(LocalOccasionTitle(Due.Entry), LocalDateText(Due.Next), LocalDueWhen(Due.DaysUntil));
}

}  // namespace mirvane
