#include "caldav/DavReply.h"

#include <QXmlStreamReader>

namespace mirvane {
namespace {

const QString DavSpace = QStringLiteral("DAV:");
const QString CalDavSpace = QStringLiteral("urn:ietf:params:xml:ns:caldav");

// "HTTP/1.1 404 Not Found" -> 404; 0 when there is no code.
int StatusCode(const QString& Line)
{
    const QStringList Parts = Line.simplified().split(QLatin1Char(' '));
    return Parts.size() >= 2 ? Parts[1].toInt() : 0;
}

// Reads one <prop> into Into.
void ReadProp(QXmlStreamReader& Reader, TDavResponse& Into)
{
    while (Reader.readNextStartElement()) {
        const QStringView Space = Reader.namespaceUri();
        const QStringView Name = Reader.name();
        if (Space == DavSpace && Name == u"getetag") {
            Into.Etag = Reader.readElementText();
        } else if (Space == DavSpace && Name == u"displayname") {
            Into.DisplayName = Reader.readElementText();
        } else if (Space == CalDavSpace && Name == u"calendar-data") {
            Into.CalendarData = Reader.readElementText();
        } else if (Space == DavSpace && Name == u"resourcetype") {
            while (Reader.readNextStartElement()) {
                Into.Collection = Into.Collection || (Reader.namespaceUri() == DavSpace && Reader.name() == u"collection");
                Into.Calendar = Into.Calendar || (Reader.namespaceUri() == CalDavSpace && Reader.name() == u"calendar");
                Reader.skipCurrentElement();
            }
        } else if (Space == CalDavSpace && Name == u"supported-calendar-component-set") {
            while (Reader.readNextStartElement()) {
                if (Reader.name() == u"comp")
                    Into.Components << Reader.attributes().value(QStringLiteral("name")).toString().toUpper();
                Reader.skipCurrentElement();
            }
        } else if ((Space == DavSpace && Name == u"current-user-principal") ||
                   (Space == CalDavSpace && Name == u"calendar-home-set")) {
            QString& Target = Name == u"calendar-home-set" ? Into.CalendarHomeSet : Into.CurrentUserPrincipal;
            while (Reader.readNextStartElement()) {
                if (Reader.namespaceUri() == DavSpace && Reader.name() == u"href" && Target.isEmpty())
                    Target = Reader.readElementText().trimmed();
                else
                    Reader.skipCurrentElement();
            }
        } else {
            Reader.skipCurrentElement();
        }
    }
}

// Reads one <propstat>: its properties count only with a 2xx status, which
// may come before or after them.
void ReadPropstat(QXmlStreamReader& Reader, TDavResponse& Into)
{
    TDavResponse Found;
    int Status = 200;
    while (Reader.readNextStartElement()) {
        if (Reader.namespaceUri() == DavSpace && Reader.name() == u"prop")
            ReadProp(Reader, Found);
        else if (Reader.namespaceUri() == DavSpace && Reader.name() == u"status")
            Status = StatusCode(Reader.readElementText());
        else
            Reader.skipCurrentElement();
    }
    if (Status < 200 || Status > 299)
        return;
    const auto Take = [](QString& To, const QString& From) {
        if (!From.isEmpty())
            To = From;
    };
    Take(Into.Etag, Found.Etag);
    Take(Into.DisplayName, Found.DisplayName);
    Take(Into.CalendarData, Found.CalendarData);
    Take(Into.CurrentUserPrincipal, Found.CurrentUserPrincipal);
    Take(Into.CalendarHomeSet, Found.CalendarHomeSet);
    Into.Collection = Into.Collection || Found.Collection;
    Into.Calendar = Into.Calendar || Found.Calendar;
    Into.Components << Found.Components;
}

TDavResponse ReadResponse(QXmlStreamReader& Reader)
{
    TDavResponse Response;
    while (Reader.readNextStartElement()) {
        if (Reader.namespaceUri() != DavSpace)
            Reader.skipCurrentElement();
        else if (Reader.name() == u"href")
            Response.Href = Reader.readElementText().trimmed();
        else if (Reader.name() == u"status")
            Response.Status = StatusCode(Reader.readElementText());
        else if (Reader.name() == u"propstat")
            ReadPropstat(Reader, Response);
        else
            Reader.skipCurrentElement();
    }
    return Response;
}

}  // namespace

std::vector<TDavResponse> ReadMultistatus(const QByteArray& Xml, bool* Failed, QString* Token)
{
    std::vector<TDavResponse> Responses;
    QXmlStreamReader Reader(Xml);
    bool Multistatus = false;
    if (Reader.readNextStartElement() && Reader.namespaceUri() == DavSpace && Reader.name() == u"multistatus") {
        Multistatus = true;
        while (Reader.readNextStartElement()) {
            if (Reader.namespaceUri() == DavSpace && Reader.name() == u"response")
                Responses.push_back(ReadResponse(Reader));
            else if (Reader.namespaceUri() == DavSpace && Reader.name() == u"sync-token" && Token)
                *Token = Reader.readElementText().trimmed();
            else
                Reader.skipCurrentElement();
        }
    }
    if (Failed)
        *Failed = !Multistatus || Reader.hasError();
    return Responses;
}

}  // namespace mirvane
