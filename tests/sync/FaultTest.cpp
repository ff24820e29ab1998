// The faults Radicale cannot show: each stops the sync with its own message
// and leaves the store as it was.
#include <gtest/gtest.h>

#include "tests/sync/FaultServer.h"
#include "tests/sync/SyncFixture.h"

namespace mirvane {
namespace {

struct TFaultCase {
    TFault Fault;
    const char* Message;
};

TEST(FaultTest, EachFaultStopsTheSyncWithWhatToDoAndKeepsTheStore)
{
    const TFaultCase Cases[] = {
        {TFault::DropMidReply, "was broken"},
        {TFault::Silent, "did not answer within"},
        {TFault::BadCertificate, "could not be verified"},
    };
    TTempFolder Folder;
    {
        TRememberStore Store = TRememberStore::Open(Folder.Store());
        Store.Add(SampleEntry("Grandfather"));
    }
    const std::string Before = FileBytes(Folder.Store());
    for (const TFaultCase& Case : Cases) {
        TFaultServer Server(Case.Fault);
        if (!Server.Ready())
            continue;
        TSyncRequest Request;
        Request.Account = {Server.Root(), QStringLiteral("alice"), QStringLiteral("secret"), 700};
        Request.Calendar = Server.Root().resolved(QUrl(QStringLiteral("/alice/cal/")));
        Request.Store = Folder.Store();
        Request.FirstYear = 2026;
        try {
            SyncCalendar(Request);
            ADD_FAILURE() << Case.Message << ": the sync went on";
        } catch (const ESyncFailure& Failure) {
            EXPECT_NE(std::string(Failure.what()).find(Case.Message), std::string::npos) << Failure.what();
        }
        EXPECT_EQ(FileBytes(Folder.Store()), Before) << Case.Message;
    }
}

}  // namespace
}  // namespace mirvane
