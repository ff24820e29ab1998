#pragma once

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "remember/RememberStore.h"

namespace mirvane {

// The user's data folder, and with it the store of dates to remember, in a
// temporary folder for the lifetime of the object.
class TemporaryDataHome {
public:
    TemporaryDataHome() : Previous(qgetenv("XDG_DATA_HOME")), HadPrevious(qEnvironmentVariableIsSet("XDG_DATA_HOME"))
    {
        qputenv("XDG_DATA_HOME", Folder.path().toLocal8Bit());
    }
    ~TemporaryDataHome()
    {
        if (HadPrevious) {
            qputenv("XDG_DATA_HOME", Previous);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }
    TemporaryDataHome(const TemporaryDataHome&) = delete;
    TemporaryDataHome& operator=(const TemporaryDataHome&) = delete;

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
    QByteArray Previous;
    bool HadPrevious;
};

}  // namespace mirvane
