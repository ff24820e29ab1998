#include "ui/RememberItem.h"

#include <QCoreApplication>

#include "engine/HebrewDateText.h"
#include "ui/LocalDates.h"
#include "ui/LocalDue.h"

namespace mirvane {
namespace {

std::optional<TDateTime> DateOf(TGregorianDate Date)
{
    try {
        return EncodeDate(Date.Year, Date.Month, Date.Day);
    } catch (const std::exception&) {
        return std::nullopt;
    }
}

QString LongDateText(std::optional<TDateTime> Date)
{
    return Date ? LocalDateText(*Date) : QString();
}

}  // namespace

TRememberItem::TRememberItem(const TRememberRow& Shown, bool Hebrew) : Row(Shown), HebrewNames(Hebrew) {}

QString TRememberItem::ShortDateText(TDateTime Date)
{
    return LocalDayMonthYear(Date);
}

QVariant TRememberItem::data(int Column, int Role) const
{
    // A Hebrew date reads from the right edge of its cell, in either layout.
    if (Role == Qt::TextAlignmentRole && Column == 2 && HebrewNames)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter));
    if (Role != Qt::DisplayRole && Role != Qt::ToolTipRole && Role != Qt::AccessibleTextRole)
        return QTreeWidgetItem::data(Column, Role);
    const TRememberEntry& Entry = Row.Entry;
    const bool Long = Role != Qt::DisplayRole;
    switch (Column) {
    case 0:
        if (Row.NextByBurial)
            return QCoreApplication::translate("mirvane::TRememberTab", "%1 (first yahrzeit, by the burial)")
                .arg(LocalOccasionTitle(Entry));
        return LocalOccasionTitle(Entry);
    case 1: {
        const std::optional<TDateTime> Date = DateOf(Entry.Date);
        return Long ? LongDateText(Date) : (Date ? ShortDateText(*Date) : QString());
    }
    case 2:
        return QString::fromStdString(JewishDateTextIn(Entry.JewishDate, HebrewNames));
    case 3:
        return Long ? LongDateText(Row.Next) : (Row.Next ? ShortDateText(*Row.Next) : QString());
    default:
        return {};
    }
}

}  // namespace mirvane
