// Syncing to a Radicale on the loopback interface, as the tests start it:
// 200 dates over 5 years ahead from scratch, beside a minimal client doing
// the same PUTs to the same server; and a sync with nothing to do, which
// with the server's sync-token is one REPORT.
// Radicale slows down as a calendar grows, so each from-scratch run gets a
// server of its own. Run: build/default/bench/sync/sync_bench
#include <QCoreApplication>
#include <benchmark/benchmark.h>

#include "caldav/CalDavCalendar.h"
#include "caldav/CalDavDiscovery.h"
#include "sync/SyncEvent.h"
#include "tests/sync/SyncFixture.h"

namespace mirvane {
namespace {

constexpr int Dates = 200;
constexpr int Years = 5;

// Each repetition is one iteration with a server of its own, made and
// stopped outside the time measured.
void SyncFromScratch(benchmark::State& State)
{
    TSyncFixture Fixture;
    Fixture.AddDates(Dates);
    const TSyncRequest Request = Fixture.Request({}, Years);
    for (auto _ : State) {
        const TSyncReport Report = SyncCalendar(Request);
        State.counters["events"] = Report.Outcome.Added;
    }
}
BENCHMARK(SyncFromScratch)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();

// The same events, put one by one to a calendar made beforehand, with no
// listing, no state and no preconditions checked beyond If-None-Match.
void MinimalClientPuts(benchmark::State& State)
{
    TSyncFixture Fixture;
    Fixture.AddDates(Dates);
    const TSyncRequest Request = Fixture.Request({}, Years);
    TCalDavConnection Connection(Request.Account);
    const QUrl Calendar = MakeCalendar(Connection, DiscoverCalendars(Connection).Home, QStringLiteral("Plain"));
    TCalDavCalendar Target(Connection, Calendar);
    const std::vector<TSyncEvent> Events =
        WantedSyncEvents(ReadRememberEntries(Request.Store), Request.FirstYear, Years, true);
    for (auto _ : State) {
        for (const TSyncEvent& Event : Events)
            Target.Put(Target.HrefFor(Event.Uid), Event.Text, {});
        State.counters["events"] = static_cast<double>(Events.size());
    }
}
BENCHMARK(MinimalClientPuts)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();

void SyncWithNothingToDo(benchmark::State& State)
{
    TSyncFixture Fixture;
    Fixture.AddDates(Dates);
    const QUrl Calendar = SyncCalendar(Fixture.Request({}, Years)).Calendar;
    const TSyncRequest Request = Fixture.Request(Calendar, Years);
    for (auto _ : State) {
        const TSyncReport Report = SyncCalendar(Request);
        State.counters["requests"] = Report.Requests;
    }
}
BENCHMARK(SyncWithNothingToDo)->Unit(benchmark::kMillisecond)->Repetitions(5)->UseRealTime();

}  // namespace
}  // namespace mirvane

int main(int Count, char** Arguments)
{
    QCoreApplication Application(Count, Arguments);
    benchmark::Initialize(&Count, Arguments);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
