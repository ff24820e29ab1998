// Syncs against a real Radicale on the loopback interface, checking what it
// stored in its own files.
#include <QCoreApplication>
#include <algorithm>
#include <gtest/gtest.h>

#include "caldav/CalDavCalendar.h"
#include "caldav/CalDavDiscovery.h"
#include "sync/SyncState.h"
#include "tests/sync/SyncFixture.h"

namespace mirvane {
namespace {

std::vector<std::string> Keys(const std::map<std::string, std::string>& Objects)
{
    std::vector<std::string> Uids;
    for (const auto& [Uid, Summary] : Objects)
        Uids.push_back(Uid);
    return Uids;
}

// An event of the user's own, not Mirvane's.
constexpr const char* UsersEvent = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Phone//EN\r\nBEGIN:VEVENT\r\n"
                                   "UID:%1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20270305\r\n"
                                   "SUMMARY:Dentist\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";

// One of ours as the user's phone rewrote it: the mark kept, the text not.
QByteArray OursChangedOnThePhone(const std::string& Uid)
{
    return QString::fromLatin1(UsersEvent)
        .arg(QString::fromStdString(Uid))
        .toUtf8()
        .replace("BEGIN:VEVENT\r\n", "BEGIN:VEVENT\r\nX-MIRVANE-ENTRY:1\r\n");
}

void PutUsersEvent(const TSyncFixture& Fixture, const QUrl& Calendar, const QString& Name, const QString& Uid)
{
    TCalDavConnection Connection(Fixture.Request().Account);
    const THttpReply Reply = Connection.Send("PUT", Calendar.resolved(QUrl(Name)),
                                             QString::fromLatin1(UsersEvent).arg(Uid).toUtf8(),
                                             {{"Content-Type", "text/calendar"}});
    ASSERT_EQ(Reply.Status, 201) << Reply.Body.toStdString();
}

class CalendarSyncTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(Fixture.Server.Running()) << Fixture.Server.Problem().toStdString(); }
    TSyncFixture Fixture;
};

TEST_F(CalendarSyncTest, DiscoveryFromTheRootMakesTheMirvaneCalendarOnceAndFindsItAgain)
{
    Fixture.AddDates(3);
    const TSyncReport First = SyncCalendar(Fixture.Request());
    ASSERT_FALSE(First.Calendar.isEmpty());
    EXPECT_EQ(Keys(Fixture.ServerObjects(First.Calendar)), Fixture.WantedUids());
    TCalDavConnection Connection(Fixture.Request().Account);
    const TDiscovery Found = DiscoverCalendars(Connection);
    ASSERT_EQ(Found.Calendars.size(), 1U);
    EXPECT_EQ(Found.Calendars[0].Name, QStringLiteral("Mirvane"));
    EXPECT_EQ(Found.Calendars[0].Url.path(), First.Calendar.path());
    EXPECT_EQ(SyncCalendar(Fixture.Request()).Calendar, First.Calendar);
}

// The whole life of a list: a first sync, an edit, a removal, a sync with
// nothing to do, and a user's events that survive all of it.
TEST_F(CalendarSyncTest, EachChangeSendsExactlyItsEntrysEventsAndLeavesTheUsersAlone)
{
    constexpr int Years = 5;
    Fixture.AddDates(200);
    const std::vector<std::string> Wanted = Fixture.WantedUids(Years);
    TCalDavConnection Connection(Fixture.Request().Account);
    const QUrl Calendar = MakeCalendar(Connection, DiscoverCalendars(Connection).Home, QStringLiteral("Family"));
    PutUsersEvent(Fixture, Calendar, QStringLiteral("dentist.ics"), QStringLiteral("dentist@phone"));
    // One of the user's own holds a UID that Mirvane would use: that day is
    // left out, with a warning, every time.
    PutUsersEvent(Fixture, Calendar, QStringLiteral("clash.ics"), QString::fromStdString(Wanted[0]));

    const TSyncReport First = SyncCalendar(Fixture.Request(Calendar, Years));
    EXPECT_EQ(First.Outcome.Added, static_cast<int>(Wanted.size()) - 1);
    EXPECT_EQ(First.Outcome.Warnings.size(), 1U);

    TRememberStore Store = TRememberStore::Open(Fixture.Folder.Store());
    std::vector<TRememberEntry> Entries = Store.List();
    Entries[4].Occasion = "Renamed";
    Store.Update(Entries[4]);
    const auto EventsOf = [&](std::int64_t Id) {
        const std::string Prefix = "mirvane-" + std::to_string(Id) + '-';
        return static_cast<int>(std::count_if(Wanted.begin(), Wanted.end(),
                                              [&](const std::string& Uid) { return Uid.starts_with(Prefix); }));
    };
    const TSyncReport Edited = SyncCalendar(Fixture.Request(Calendar, Years));
    EXPECT_EQ(Edited.Outcome.Changed, EventsOf(Entries[4].Id));
    EXPECT_EQ(Edited.Outcome.Added + Edited.Outcome.Removed, 0);
    EXPECT_EQ(Edited.Requests, 1 + EventsOf(Entries[4].Id));  // what changed since, then one PUT each
    EXPECT_EQ(Edited.Outcome.Warnings.size(), 1U);

    Store.Remove(Entries[6].Id);
    const TSyncReport Removed = SyncCalendar(Fixture.Request(Calendar, Years));
    EXPECT_EQ(Removed.Outcome.Removed, EventsOf(Entries[6].Id));
    EXPECT_EQ(Removed.Outcome.Added + Removed.Outcome.Changed, 0);
    EXPECT_EQ(Removed.Requests, 1 + EventsOf(Entries[6].Id));

    const TSyncReport Idle = SyncCalendar(Fixture.Request(Calendar, Years));
    EXPECT_EQ(Idle.Requests, 1);
    EXPECT_EQ(Idle.Outcome.Added + Idle.Outcome.Changed + Idle.Outcome.Removed, 0);

    const std::map<std::string, std::string> Objects = Fixture.ServerObjects(Calendar);
    EXPECT_EQ(Objects.at("dentist@phone"), "Dentist");
    EXPECT_EQ(Objects.at(Wanted[0]), "Dentist");
    std::vector<std::string> Ours = Fixture.WantedUids(Years);
    Ours.push_back("dentist@phone");
    std::sort(Ours.begin(), Ours.end());
    EXPECT_EQ(Keys(Objects), Ours);
}

// With the server's sync-token a sync asks only what changed since: nothing
// to do is one request, a change on the phone is found and undone, and a
// token the server no longer takes reads the whole calendar instead.
TEST_F(CalendarSyncTest, ASyncTokenAsksOnlyForChangesAndARefusedOneReadsTheWholeCalendar)
{
    Fixture.AddDates(3);
    const QUrl Calendar = SyncCalendar(Fixture.Request()).Calendar;
    const std::string Key = Calendar.toString(QUrl::FullyEncoded).toStdString();
    const int Wanted = static_cast<int>(Fixture.WantedUids().size());
    const TSyncState Kept = ReadSyncState(Fixture.Folder.Store(), Key);
    ASSERT_FALSE(Kept.Token.empty());

    const TSyncReport Idle = SyncCalendar(Fixture.Request(Calendar));
    EXPECT_EQ(Idle.Requests, 1);
    EXPECT_EQ(Idle.Outcome.Unchanged, Wanted);

    const std::string Uid = Fixture.WantedUids().front();
    TCalDavConnection Connection(Fixture.Request().Account);
    const QString Href = QString::fromStdString(Uid.substr(0, Uid.find('@')) + ".ics");
    const THttpReply Phone = Connection.Send(
        "PUT", Calendar.resolved(QUrl(Href)),
        OursChangedOnThePhone(Uid), {{"Content-Type", "text/calendar"}});
    ASSERT_LT(Phone.Status, 300);
    const TSyncReport Undone = SyncCalendar(Fixture.Request(Calendar));
    EXPECT_EQ(Undone.Outcome.Changed, 1);
    EXPECT_EQ(Undone.Requests, 2);  // the changes since, and the one PUT
    EXPECT_EQ(Fixture.ServerObjects(Calendar).at(Uid).find("Dentist"), std::string::npos);

    TSyncState Stale = ReadSyncState(Fixture.Folder.Store(), Key);
    Stale.Token = "http://radicale.org/ns/sync/0000";
    WriteSyncState(Fixture.Folder.Store(), Key, Stale);
    const TSyncReport Whole = SyncCalendar(Fixture.Request(Calendar));
    EXPECT_EQ(Whole.Outcome.Unchanged, Wanted);
    EXPECT_EQ(Whole.Outcome.Added + Whole.Outcome.Changed + Whole.Outcome.Removed, 0);
    EXPECT_EQ(Whole.Requests, 2);  // the refused token, then the whole calendar
    EXPECT_NE(ReadSyncState(Fixture.Folder.Store(), Key).Token, Stale.Token);
    EXPECT_EQ(SyncCalendar(Fixture.Request(Calendar)).Requests, 1);
}

// Stops a sync after a number of writes, as a lost network would.
class TCutOffCalendar : public TCalDavCalendar {
public:
    TCutOffCalendar(TCalDavConnection& Connection, const QUrl& Url, int Writes)
        : TCalDavCalendar(Connection, Url), Left(Writes)
    {
    }
    TWriteAnswer Put(const std::string& Href, const std::string& Text, const std::string& IfMatch) override
    {
        if (Left-- == 0)
            throw ESyncFailure("network gone");
        return TCalDavCalendar::Put(Href, Text, IfMatch);
    }
    int Left;
};

TEST_F(CalendarSyncTest, ASyncCutOffHalfWayIsFinishedByTheNextWithNothingDoubled)
{
    Fixture.AddDates(3);
    const QUrl Calendar = SyncCalendar(Fixture.Request()).Calendar;
    const int Sent = static_cast<int>(Fixture.WantedUids().size());
    Fixture.AddDates(8);
    const std::string StoreBefore = FileBytes(Fixture.Folder.Store());
    {
        TCalDavConnection Connection(Fixture.Request().Account);
        TCutOffCalendar CutOff(Connection, Calendar, 4);
        const TSyncRequest Request = Fixture.Request(Calendar);
        EXPECT_THROW(RunSync(CutOff, WantedSyncEvents(ReadRememberEntries(Request.Store), Request.FirstYear, 1, true),
                             ReadSyncState(Request.Store, Calendar.toString().toStdString())),
                     ESyncFailure);
    }
    EXPECT_EQ(FileBytes(Fixture.Folder.Store()), StoreBefore);
    const TSyncReport Finished = SyncCalendar(Fixture.Request(Calendar));
    EXPECT_EQ(Finished.Outcome.Unchanged, Sent + 4);
    EXPECT_EQ(Finished.Outcome.Added, static_cast<int>(Fixture.WantedUids().size()) - Sent - 4);
    EXPECT_EQ(Keys(Fixture.ServerObjects(Calendar)), Fixture.WantedUids());
}

// Changes one of ours on the server between the listing and the writes, as
// the user's phone might.
class TRacedCalendar : public TCalDavCalendar {
public:
    TRacedCalendar(TCalDavConnection& Connection, const QUrl& Url, std::string Target)
        : TCalDavCalendar(Connection, Url), Connection(Connection), Url(Url), Target(std::move(Target))
    {
    }
    std::vector<TServerItem> List() override
    {
        std::vector<TServerItem> Items = TCalDavCalendar::List();
        if (!Target.empty()) {
            Connection.Send("PUT", Url.resolved(QUrl(QString::fromStdString(HrefFor(Target)))),
                            OursChangedOnThePhone(Target));
            Target.clear();
        }
        return Items;
    }
    TCalDavConnection& Connection;
    QUrl Url;
    std::string Target;
};

TEST_F(CalendarSyncTest, AnEventChangedOnTheServerMeanwhileIsReadAgainAndPutBack)
{
    Fixture.AddDates(3);
    const QUrl Calendar = SyncCalendar(Fixture.Request()).Calendar;
    TRememberStore Store = TRememberStore::Open(Fixture.Folder.Store());
    TRememberEntry Entry = Store.List()[0];
    Entry.Occasion = "Edited";
    Store.Update(Entry);
    const std::string Uid = Fixture.WantedUids().front();
    TCalDavConnection Connection(Fixture.Request().Account);
    TRacedCalendar Raced(Connection, Calendar, Uid);
    const TSyncRequest Request = Fixture.Request(Calendar);
    const TSyncOutcome Outcome =
        RunSync(Raced, WantedSyncEvents(ReadRememberEntries(Request.Store), Request.FirstYear, 1, true),
                ReadSyncState(Request.Store, Calendar.toString().toStdString()));
    EXPECT_GE(Outcome.Changed, 1);
    EXPECT_EQ(Fixture.ServerObjects(Calendar).at(Uid).find("Dentist"), std::string::npos);
}

TEST_F(CalendarSyncTest, ACalendarRemovedOnTheServerIsReportedAndTheStoreKept)
{
    Fixture.AddDates(2);
    const QUrl Calendar = SyncCalendar(Fixture.Request()).Calendar;
    TCalDavConnection Connection(Fixture.Request().Account);
    ASSERT_LT(Connection.Send("DELETE", Calendar).Status, 300);
    const std::string StoreBefore = FileBytes(Fixture.Folder.Store());
    try {
        SyncCalendar(Fixture.Request(Calendar));
        ADD_FAILURE() << "the sync went on";
    } catch (const ESyncFailure& Failure) {
        EXPECT_NE(std::string(Failure.what()).find("no longer on the server"), std::string::npos) << Failure.what();
    }
    EXPECT_EQ(FileBytes(Fixture.Folder.Store()), StoreBefore);
}

TEST(CalendarSyncPasswordTest, AWrongPasswordIsReportedAndTheStoreKept)
{
    TSyncFixture Fixture(QStringLiteral("right"));
    ASSERT_TRUE(Fixture.Server.Running()) << Fixture.Server.Problem().toStdString();
    Fixture.AddDates(2);
    const std::string StoreBefore = FileBytes(Fixture.Folder.Store());
    try {
        SyncCalendar(Fixture.Request());
        ADD_FAILURE() << "the sync went on";
    } catch (const ESyncFailure& Failure) {
        EXPECT_NE(std::string(Failure.what()).find("user name or password"), std::string::npos) << Failure.what();
    }
    EXPECT_EQ(FileBytes(Fixture.Folder.Store()), StoreBefore);
}

}  // namespace
}  // namespace mirvane

int main(int Count, char** Arguments)
{
    QCoreApplication Application(Count, Arguments);
    ::testing::InitGoogleTest(&Count, Arguments);
    return RUN_ALL_TESTS();
}
