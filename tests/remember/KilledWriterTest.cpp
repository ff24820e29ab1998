#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <set>

#include <sys/wait.h>
#include <unistd.h>

#include "remember/RememberStore.h"
#include "tests/remember/TempFolder.h"

namespace mirvane {
namespace {

// A writer that adds numbered entries and changes each one after adding it
// is killed at random moments. Every time, the store opens without damage,
// the numbers form an unbroken run from 0, and every entry is whole: either
// as added or as changed.
TEST(RememberStoreKilledWriter, EveryEarlierChangeIsKeptAndNoneIsHalfDone)
{
    std::mt19937 Random(20261208);
    TTempFolder Folder;
    std::size_t Before = 0;
    for (int Round = 0; Round < 12; ++Round) {
        const pid_t Child = ::fork();
        if (Child == 0) {
            TRememberStore Store = TRememberStore::Open(Folder.Store());
            for (std::size_t Number = Before;; ++Number) {
                TRememberEntry Entry = SampleEntry(std::to_string(Number));
                Entry.Id = Store.Add(Entry);
                Entry.DaysBefore = 100;
                Entry.Kind = TRememberKind::Gregorian;
                Store.Update(Entry);
            }
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(2000, 60000)(Random));
        ::kill(Child, SIGKILL);
        ::waitpid(Child, nullptr, 0);

        TRememberStore Store = TRememberStore::Open(Folder.Store());
        ASSERT_EQ(Store.Notice(), "") << "round " << Round;
        const std::vector<TRememberEntry> Entries = Store.List();
        ASSERT_GE(Entries.size(), Before) << "round " << Round;
        for (std::size_t Index = 0; Index < Entries.size(); ++Index) {
            const TRememberEntry& Entry = Entries[Index];
            EXPECT_EQ(Entry.Occasion, std::to_string(Index));
            const bool Added = Entry.DaysBefore == 7 && Entry.Kind == TRememberKind::Jewish;
            const bool Changed = Entry.DaysBefore == 100 && Entry.Kind == TRememberKind::Gregorian;
            EXPECT_TRUE(Added || Changed) << "entry " << Index << " is half changed";
        }
        Before = Entries.size();
    }
    EXPECT_GT(Before, 0u);
}

}  // namespace
}  // namespace mirvane
