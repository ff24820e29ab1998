// A server's reply of any bytes: the multistatus reader and the scan of the
// calendar objects in it never crash and never hang; a reply it calls
// well-formed gives responses whose texts are what the XML held.
//
// The reader is Qt's XML stream reader, so this one target links Qt Core
// (built without the fuzzer's instrumentation): it is what reads every
// reply, and a second reader written only for fuzzing would test nothing
// the program runs.

#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "caldav/DavReply.h"
#include "fuzz/FuzzCheck.h"
#include "sync/ObjectScan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size)
{
    const QByteArray Reply(reinterpret_cast<const char*>(Data), static_cast<qsizetype>(Size));
    bool Failed = false;
    QString Token;
    const std::vector<mirvane::TDavResponse> Responses = mirvane::ReadMultistatus(Reply, &Failed, &Token);
    mirvane::fuzz::Require(Token.isEmpty() || Reply.contains("sync-token"), "a token from nowhere");
    for (const mirvane::TDavResponse& Response : Responses) {
        const mirvane::TObjectFacts Facts = mirvane::ScanObject(Response.CalendarData.toStdString());
        mirvane::fuzz::Require(Facts.Uid.find('\n') == std::string::npos, "a UID spans lines");
    }
    mirvane::fuzz::Require(Failed || Reply.contains("multistatus"), "a reply without multistatus was read");
    return 0;
}
