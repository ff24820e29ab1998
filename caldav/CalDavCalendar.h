#pragma once

#include <QUrl>

#include "caldav/CalDavConnection.h"
#include "caldav/DavReply.h"
#include "sync/CalendarServer.h"

namespace mirvane {

// One calendar collection reached through a connection: what a sync reads
// and writes there.
class TCalDavCalendar : public TCalendarServer {
public:
    TCalDavCalendar(TCalDavConnection& Connection, const QUrl& Calendar);

    std::vector<TServerItem> List() override;
    std::optional<TChanges> ChangesSince(const std::string& Token) override;
    std::vector<TFetchedItem> Fetch(const std::vector<std::string>& Hrefs) override;
    TWriteAnswer Put(const std::string& Href, const std::string& Text, const std::string& IfMatch) override;
    TWriteAnswer Remove(const std::string& Href, const std::string& IfMatch) override;
    std::string HrefFor(const std::string& Uid) const override;

private:
    // A REPORT or PROPFIND on the calendar and its responses; What names it
    // in a failure.
    std::vector<TDavResponse> Ask(const QByteArray& Verb, const QByteArray& Body, const char* What);
    ESyncFailure Gone() const;
    // The path of an href as the server wrote it, encoded as ours are.
    std::string PathOf(const QString& Href) const;
    QUrl At(const std::string& Href) const;

    TCalDavConnection& Connection;
    QUrl Collection;  // ending with a slash
};

}  // namespace mirvane
