#include "caldav/CalendarSync.h"

#include "caldav/CalDavCalendar.h"
#include "caldav/CalDavDiscovery.h"
#include "remember/RememberStore.h"
#include "sync/SyncEvent.h"
#include "sync/SyncState.h"

namespace mirvane {
namespace {

// A calendar that is read but never written: what a dry run would send.
class TDryRunCalendar : public TCalendarServer {
public:
    explicit TDryRunCalendar(TCalendarServer& Real) : Real(Real) {}
    std::vector<TServerItem> List() override { return Real.List(); }
    std::optional<TChanges> ChangesSince(const std::string& Token) override { return Real.ChangesSince(Token); }
    std::vector<TFetchedItem> Fetch(const std::vector<std::string>& Hrefs) override { return Real.Fetch(Hrefs); }
    TWriteAnswer Put(const std::string&, const std::string&, const std::string&) override { return {false, "-"}; }
    TWriteAnswer Remove(const std::string&, const std::string&) override { return {}; }
    std::string HrefFor(const std::string& Uid) const override { return Real.HrefFor(Uid); }

private:
    TCalendarServer& Real;
};

// A calendar with nothing on it yet, for a dry run before it is made.
class TNoCalendar : public TCalendarServer {
public:
    std::vector<TServerItem> List() override { return {}; }
    std::vector<TFetchedItem> Fetch(const std::vector<std::string>&) override { return {}; }
    TWriteAnswer Put(const std::string&, const std::string&, const std::string&) override { return {false, "-"}; }
    TWriteAnswer Remove(const std::string&, const std::string&) override { return {}; }
    std::string HrefFor(const std::string& Uid) const override { return Uid; }
};

}  // namespace

TSyncReport SyncCalendar(const TSyncRequest& Request)
{
    const std::vector<TRememberEntry> Entries = ReadRememberEntries(Request.Store);
    std::vector<TSyncEvent> Wanted;
    if (!Request.Remove) {
        Wanted = WantedSyncEvents(Entries, Request.FirstYear, Request.Years, Request.PlainAdarIsAdar2);
        std::vector<TSyncEvent> Extras = ExtraSyncEvents(Request.Extras);
        Wanted.insert(Wanted.end(), std::make_move_iterator(Extras.begin()), std::make_move_iterator(Extras.end()));
    }
    TCalDavConnection Connection(Request.Account);
    TSyncReport Report;
    Report.Calendar = Request.Calendar;
    if (Report.Calendar.isEmpty()) {
        const TDiscovery Found = DiscoverCalendars(Connection);
        for (const TCalendarInfo& Calendar : Found.Calendars)
            if (Calendar.Name == QLatin1String(MirvaneCalendarName) || Found.Home.isEmpty())
                Report.Calendar = Calendar.Url;
        if (Report.Calendar.isEmpty() && Request.DryRun) {
            TNoCalendar Empty;
            Report.Outcome = RunSync(Empty, Wanted, {});
            Report.Requests = Connection.Requests();
            return Report;
        }
        if (Report.Calendar.isEmpty())
            Report.Calendar = MakeCalendar(Connection, Found.Home, QLatin1String(MirvaneCalendarName));
    }
    const std::string Key = Report.Calendar.toString(QUrl::FullyEncoded).toStdString();
    const TSyncState Known = ReadSyncState(Request.Store, Key);
    TCalDavCalendar Calendar(Connection, Report.Calendar);
    if (Request.DryRun) {
        TDryRunCalendar Dry(Calendar);
        Report.Outcome = RunSync(Dry, Wanted, Known);
    } else {
        Report.Outcome = RunSync(Calendar, Wanted, Known);
        if (Request.Remove)
            ForgetSyncState(Request.Store, Key);
        else if (Report.Outcome.State != Known)
            WriteSyncState(Request.Store, Key, Report.Outcome.State);
    }
    Report.Requests = Connection.Requests();
    return Report;
}

}  // namespace mirvane
