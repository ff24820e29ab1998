#pragma once

#include <QTreeWidgetItem>

#include "remember/RememberSort.h"

namespace mirvane {

// One row of the Dates to Remember list. Its texts are made when the list
// asks for them, for the rows on screen only, so that a long list fills
// quickly: short forms that fit the columns ("1 Dec 1970"), and the long
// texts of the pages as tooltips.
class TRememberItem : public QTreeWidgetItem {
public:
    // Row stays the window's own until the list is cleared. HebrewNames
    // writes the Jewish date in Hebrew letters.
    TRememberItem(const TRememberRow& Row, bool HebrewNames);

    QVariant data(int Column, int Role) const override;
    std::int64_t Id() const { return Row.Entry.Id; }

    // "1 Dec 1970": day, short month name, year.
    static QString ShortDateText(TDateTime Date);

private:
    const TRememberRow& Row;
    bool HebrewNames;
};

}  // namespace mirvane
