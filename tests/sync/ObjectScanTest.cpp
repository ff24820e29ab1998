#include <gtest/gtest.h>

#include "sync/ObjectScan.h"

namespace mirvane {
namespace {

struct TScanCase {
    const char* Text;
    const char* Uid;
    bool Ours;
    const char* Digest;
};

TEST(ObjectScanTest, ReadsTheEventsUidAndOurMarksOnly)
{
    const TScanCase Cases[] = {
        {"BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:a@b\r\nX-MIRVANE-ENTRY:3\r\nX-MIRVANE-DIGEST:ff\r\nEND:VEVENT\r\n"
         "END:VCALENDAR\r\n",
         "a@b", true, "ff"},
        // A folded UID, a lower-case mark with a parameter, bare LF line ends.
        {"BEGIN:VEVENT\nUID:mirvane-1-2\n 0270101@mirvane\nx-mirvane-entry;X=1:3\nEND:VEVENT\n",
         "mirvane-1-20270101@mirvane", true, ""},
        // A mark inside an alarm or a time zone is not the event's.
        {"BEGIN:VTIMEZONE\r\nX-MIRVANE-ENTRY:1\r\nEND:VTIMEZONE\r\nBEGIN:VEVENT\r\nUID:u\r\nBEGIN:VALARM\r\n"
         "X-MIRVANE-ENTRY:1\r\nEND:VALARM\r\nEND:VEVENT\r\n",
         "u", false, ""},
        // A festival or a time kept beside the list is ours too.
        {"BEGIN:VEVENT\r\nUID:f\r\nX-MIRVANE-SOURCE:festivals\r\nEND:VEVENT\r\n", "f", true, ""},
        // Only the first event counts.
        {"BEGIN:VEVENT\r\nUID:one\r\nEND:VEVENT\r\nBEGIN:VEVENT\r\nUID:two\r\nX-MIRVANE-ENTRY:1\r\nEND:VEVENT\r\n",
         "one", false, ""},
        // A property whose name only begins like ours.
        {"BEGIN:VEVENT\r\nUIDX:no\r\nX-MIRVANE-ENTRYX:1\r\nEND:VEVENT", "", false, ""},
        {"", "", false, ""},
        {"\n \n\t", "", false, ""},
    };
    for (const TScanCase& Case : Cases) {
        const TObjectFacts Facts = ScanObject(Case.Text);
        EXPECT_EQ(Facts.Uid, Case.Uid) << Case.Text;
        EXPECT_EQ(Facts.Ours, Case.Ours) << Case.Text;
        EXPECT_EQ(Facts.Digest, Case.Digest) << Case.Text;
    }
}

}  // namespace
}  // namespace mirvane
