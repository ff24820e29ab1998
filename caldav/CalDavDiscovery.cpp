#include "caldav/CalDavDiscovery.h"

#include <QUuid>

#include "caldav/DavReply.h"
#include "sync/CalendarServer.h"

namespace mirvane {
namespace {

const QByteArray DiscoveryBody =
    "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    "<d:propfind xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:prop>"
    "<d:resourcetype/><d:displayname/><d:current-user-principal/><c:calendar-home-set/>"
    "<c:supported-calendar-component-set/></d:prop></d:propfind>";

ESyncFailure Failure(const QString& Text)
{
    return ESyncFailure(Text.toStdString());
}

ESyncFailure NotCalDav(const QUrl& Url)
{
    return Failure(QStringLiteral("%1 does not answer as a CalDAV server. Check the address: give the server's "
                                  "address or the calendar's own, as its provider names it.")
                       .arg(Url.toString()));
}

// The properties at Url (Depth 0), or nothing when the server has no
// WebDAV answer there.
std::optional<TDavResponse> Properties(TCalDavConnection& Connection, const QUrl& Url)
{
    const THttpReply Reply = Connection.SendXml("PROPFIND", Url, DiscoveryBody, "0");
    if (Reply.Status != 207)
        return std::nullopt;
    bool Failed = false;
    std::vector<TDavResponse> Responses = ReadMultistatus(Reply.Body, &Failed);
    if (Failed || Responses.empty())
        return std::nullopt;
    return Responses.front();
}

bool TakesEvents(const TDavResponse& Response)
{
    return Response.Calendar && (Response.Components.isEmpty() || Response.Components.contains(u"VEVENT"));
}

QString NameOf(const TDavResponse& Response, const QUrl& Url)
{
    if (!Response.DisplayName.isEmpty())
        return Response.DisplayName;
    const QStringList Parts = Url.path().split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return Parts.isEmpty() ? Url.toString() : Parts.back();
}

}  // namespace

TDiscovery DiscoverCalendars(TCalDavConnection& Connection)
{
    const QUrl Given = Connection.Account().Server;
    std::optional<TDavResponse> Here = Properties(Connection, Given);
    if (Here && TakesEvents(*Here))
        return {{{Given, NameOf(*Here, Given)}}, {}};
    QUrl At = Given;
    if (!Here || (Here->CurrentUserPrincipal.isEmpty() && Here->CalendarHomeSet.isEmpty())) {
        At = Given.resolved(QUrl(QStringLiteral("/.well-known/caldav")));
        Here = Properties(Connection, At);
    }
    if (!Here)
        throw NotCalDav(Given);
    if (Here->CalendarHomeSet.isEmpty() && !Here->CurrentUserPrincipal.isEmpty()) {
        At = At.resolved(QUrl(Here->CurrentUserPrincipal));
        Here = Properties(Connection, At);
    }
    if (!Here || Here->CalendarHomeSet.isEmpty())
        throw NotCalDav(Given);
    TDiscovery Found;
    Found.Home = At.resolved(QUrl(Here->CalendarHomeSet));
    const THttpReply Reply = Connection.SendXml("PROPFIND", Found.Home, DiscoveryBody, "1");
    bool Failed = Reply.Status != 207;
    const std::vector<TDavResponse> Responses = Failed ? std::vector<TDavResponse>{}
                                                       : ReadMultistatus(Reply.Body, &Failed);
    if (Failed)
        throw NotCalDav(Given);
    for (const TDavResponse& Response : Responses)
        if (TakesEvents(Response) && Response.Status == 200) {
            const QUrl Url = Found.Home.resolved(QUrl(Response.Href));
            Found.Calendars.push_back({Url, NameOf(Response, Url)});
        }
    return Found;
}

QUrl MakeCalendar(TCalDavConnection& Connection, const QUrl& Home, const QString& Name)
{
    if (Home.isEmpty())
        throw Failure(QStringLiteral("The address names one calendar, so no other can be made there; give the "
                                     "server's address instead."));
    QUrl Parent = Home;
    if (!Parent.path().endsWith(QLatin1Char('/')))
        Parent.setPath(Parent.path() + QLatin1Char('/'));
    const QUrl Url = Parent.resolved(QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + QLatin1Char('/')));
    const QByteArray Body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<c:mkcalendar xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\"><d:set><d:prop>"
                            "<d:displayname>" + Name.toHtmlEscaped().toUtf8() + "</d:displayname>"
                            "<c:supported-calendar-component-set><c:comp name=\"VEVENT\"/>"
                            "</c:supported-calendar-component-set></d:prop></d:set></c:mkcalendar>";
    const THttpReply Reply =
        Connection.Send("MKCALENDAR", Url, Body, {{"Content-Type", "application/xml; charset=utf-8"}});
    if (Reply.Status != 201)
        throw Failure(QStringLiteral("The server did not make the calendar \"%1\" (it answered %2). Make it on the "
                                     "server, then choose it.").arg(Name).arg(Reply.Status));
    return Url;
}

QUrl CalendarNamed(TCalDavConnection& Connection, const TDiscovery& Found, const QString& Name)
{
    for (const TCalendarInfo& Calendar : Found.Calendars)
        if (Calendar.Name == Name || Found.Home.isEmpty())
            return Calendar.Url;
    return MakeCalendar(Connection, Found.Home, Name);
}

}  // namespace mirvane
