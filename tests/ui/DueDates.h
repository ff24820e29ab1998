#pragma once

#include <QString>
#include <QTemporaryDir>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "remember/RememberStore.h"
#include "tests/settings/ScopedVariable.h"

namespace mirvane {

// The user's data folder, and with it the store of dates to remember, in a
// temporary folder for the lifetime of the object.
class TemporaryDataHome {
public:
    QString Path() const { return Folder.path(); }
    TRememberStore Open() const { return TRememberStore::Open(DefaultRememberStorePath()); }

    // Stores a once-only entry DaysAhead days from today, reminded of
    // DaysBefore days ahead; returns its id.
    std::int64_t AddOnce(const char* Occasion, std::int32_t DaysAhead, std::int32_t DaysBefore = 7) const
    {
        const TDateTime Date = Today() + DaysAhead;
        TRememberEntry Entry;
        Entry.Occasion = Occasion;
        Entry.Date = DecodeDate(Date);
        Entry.JewishDate = DateTimeToJewish(Date);
        Entry.Kind = TRememberKind::Once;
        Entry.DaysBefore = DaysBefore;
        TRememberStore Store = Open();
        return Store.Add(Entry);
    }

private:
    QTemporaryDir Folder;
    TScopedVariable DataHome{"XDG_DATA_HOME", Folder.path().toLocal8Bit()};
};

}  // namespace mirvane
