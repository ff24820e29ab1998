#include "tests/sync/SyncFixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <QRegularExpression>

#include "engine/DateConversion.h"
#include "engine/DateServices.h"
#include "sync/SyncEvent.h"

namespace mirvane {

void TSyncFixture::AddDates(int Count)
{
    TRememberStore Store = TRememberStore::Open(Folder.Store());
    for (int Index = 0; Index < Count; ++Index) {
        TRememberEntry Entry;
        Entry.Occasion = "Date " + std::to_string(Ids.size() + 1);
        const TDateTime Day = EncodeDate(1950 + Index % 60, 1, 1) + Index % 365;
        const TGregorianDate Gregorian = DecodeDate(Day);
        Entry.Date = Gregorian;
        const TJewishDate Jewish = DateTimeToJewish(Day);
        Entry.JewishDate = {Jewish.Year, Jewish.Month, Jewish.Day};
        Entry.Kind = Index % 3 == 1 ? TRememberKind::Gregorian : TRememberKind::Jewish;
        Entry.DaysBefore = Index % 8;
        Ids.push_back(Store.Add(Entry));
    }
}

TSyncRequest TSyncFixture::Request(const QUrl& Calendar, int Years) const
{
    TSyncRequest Request;
    Request.Account = {Server.Root(), QStringLiteral("alice"), QStringLiteral("secret")};
    Request.Calendar = Calendar;
    Request.Store = Folder.Store();
    Request.FirstYear = DecodeDate(Today()).Year;
    Request.Years = Years;
    return Request;
}

std::vector<std::string> TSyncFixture::WantedUids(int Years) const
{
    std::vector<std::string> Uids;
    for (const TSyncEvent& Event :
         WantedSyncEvents(ReadRememberEntries(Folder.Store()), DecodeDate(Today()).Year, Years, true))
        Uids.push_back(Event.Uid);
    std::sort(Uids.begin(), Uids.end());
    return Uids;
}

std::map<std::string, std::string> TSyncFixture::ServerObjects(const QUrl& Calendar) const
{
    std::map<std::string, std::string> Objects;
    const QString Collection =
        Server.Folder() + QStringLiteral("/data/collection-root") + Calendar.path(QUrl::FullyDecoded);
    const QRegularExpression Uid(QStringLiteral("^UID:(.*)$"), QRegularExpression::MultilineOption);
    const QRegularExpression Summary(QStringLiteral("^SUMMARY:(.*)$"), QRegularExpression::MultilineOption);
    for (const QFileInfo& File : QDir(Collection).entryInfoList({QStringLiteral("*.ics")}, QDir::Files)) {
        QFile Object(File.filePath());
        if (!Object.open(QIODevice::ReadOnly))
            continue;
        const QString Text = QString::fromUtf8(Object.readAll()).remove(QLatin1Char('\r'));
        Objects[Uid.match(Text).captured(1).toStdString()] = Summary.match(Text).captured(1).toStdString();
    }
    return Objects;
}

}  // namespace mirvane
