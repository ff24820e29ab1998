#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace mirvane {

// One <response> of a WebDAV multistatus, with the properties the server
// gave (those in a propstat whose status is 2xx).
struct TDavResponse {
    QString Href;
    int Status = 200;  // the response's own status, 200 when it has none
    QString Etag;
    QString DisplayName;
    bool Collection = false;
    bool Calendar = false;
    QStringList Components;  // supported-calendar-component-set: "VEVENT" ...
    QString CurrentUserPrincipal;
    QString CalendarHomeSet;
    QString CalendarData;
};

// The responses of a 207 reply, and its sync-token (RFC 6578) into Token
// when asked. Anything that is not well-formed WebDAV XML gives what could
// be read before it and sets Failed; no text makes it fail in any other way.
std::vector<TDavResponse> ReadMultistatus(const QByteArray& Xml, bool* Failed = nullptr, QString* Token = nullptr);

}  // namespace mirvane
