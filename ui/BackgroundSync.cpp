#include "ui/BackgroundSync.h"

#include <QDate>
#include <QThread>
#include <QTime>

#include "caldav/CalendarSync.h"
#include "engine/DateServices.h"
#include "engine/Rules.h"
#include "remember/RememberStore.h"
#include "settings/SyncSettings.h"
#include "ui/LibraryMessages.h"
#include "ui/TimesSite.h"

namespace mirvane {

// What a sync thread is given and leaves behind.
struct TSyncWork {
    TSyncRequest Request;
    TSyncSettings Settings;
    bool NoPassword = false;
    QString Failure;
    QUrl Calendar;
};

namespace {

constexpr int DayMs = 24 * 60 * 60 * 1000;
// How long closing the window waits for a sync before cutting it off; the
// next sync finishes what it left.
constexpr unsigned long CloseWaitMs = 3000;

void RunWork(TSyncWork& Work)
{
    if (Work.Request.Account.Password.isEmpty()) {
        const auto Kept = ReadSyncPassword(Work.Settings.Server, Work.Settings.User);
        if (!Kept) {
            Work.NoPassword = true;
            return;
        }
        Work.Request.Account.Password = *Kept;
    }
    try {
        Work.Calendar = SyncCalendar(Work.Request).Calendar;
    } catch (const std::exception& Failure) {
        Work.Failure = QString::fromStdString(Failure.what());
    }
}

}  // namespace

TBackgroundSync::TBackgroundSync(std::filesystem::path Store, QObject* Parent)
    : QObject(Parent), Store(std::move(Store))
{
    Daily.setInterval(DayMs);
    connect(&Daily, &QTimer::timeout, this, &TBackgroundSync::Start);
    Daily.start();
}

TBackgroundSync::~TBackgroundSync()
{
    if (Thread && !Thread->wait(CloseWaitMs)) {
        Thread->terminate();
        Thread->wait();
    }
    delete Thread;
}

void TBackgroundSync::Start()
{
    Launch(false);
}

void TBackgroundSync::RemoveEvents()
{
    Launch(true);
}

void TBackgroundSync::Launch(bool Remove)
{
    if (Thread) {
        Again = Again || !Remove;
        return;
    }
    auto Next = std::make_shared<TSyncWork>();
    Next->Settings = TSyncSettings::Load();
    if (Next->Settings.Server.isEmpty())
        return;
    TSyncRequest& Request = Next->Request;
    Request.Account = {QUrl(Next->Settings.Server), Next->Settings.User, SessionPassword};
    Request.Calendar = QUrl(Next->Settings.Calendar);
    Request.Store = Store;
    Request.FirstYear = DecodeDate(Today()).Year;
    Request.Years = Next->Settings.Years;
    Request.PlainAdarIsAdar2 = !Adar1;
    Request.Remove = Remove;
    Request.Extras.Festivals = Next->Settings.Festivals;
    Request.Extras.Rules = RulesOf(Diaspora);
    Request.Extras.From = Today();
    if (Next->Settings.Candles) {
        // Without a place there are no times to keep; the rest is synced.
        QString Problem;
        Request.Extras.Candles = TimesSiteOf(TLocation::Load(), Diaspora, Problem);
    }
    Work = Next;
    Thread = QThread::create([Next] { RunWork(*Next); });
    connect(Thread, &QThread::finished, this, &TBackgroundSync::Finished);
    emit StatusChanged(tr("Syncing…"));
    Thread->start();
}

void TBackgroundSync::Finished()
{
    Thread->deleteLater();
    Thread = nullptr;
    const std::shared_ptr<TSyncWork> Done = std::move(Work);
    if (Done->NoPassword) {
        emit StatusChanged(tr("Not synced: the password is needed"));
        emit PasswordWanted();
        return;
    }
    if (!Done->Failure.isEmpty()) {
        emit StatusChanged(tr("Not synced: %1").arg(WindowMessage(Done->Failure.toStdString())));
    } else {
        // The calendar made on the first sync is the account's from now on.
        if (Done->Settings.Calendar.isEmpty() && !Done->Request.Remove) {
            TSyncSettings Settings = TSyncSettings::Load();
            if (Settings.Server == Done->Settings.Server && Settings.Calendar.isEmpty()) {
                Settings.Calendar = Done->Calendar.toString();
                Settings.Save();
            }
        }
        emit StatusChanged(tr("Synced %1").arg(QTime::currentTime().toString(QStringLiteral("HH:mm"))));
    }
    if (Again) {
        Again = false;
        Start();
    }
}

}  // namespace mirvane
