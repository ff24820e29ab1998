#include "caldav/CalDavCalendar.h"

#include "caldav/DavReply.h"

namespace mirvane {
namespace {

ESyncFailure Failure(const QString& Text)
{
    return ESyncFailure(Text.toStdString());
}

ESyncFailure Unexpected(const THttpReply& Reply, const char* What)
{
    return Failure(QStringLiteral("The server answered %1 to %2 at %3. Sync again later; if it goes on, check the "
                                  "server.").arg(Reply.Status).arg(QLatin1String(What), Reply.Url.toString()));
}

}  // namespace

TCalDavCalendar::TCalDavCalendar(TCalDavConnection& Connection, const QUrl& Calendar)
    : Connection(Connection), Collection(Calendar)
{
    if (!Collection.path().endsWith(QLatin1Char('/')))
        Collection.setPath(Collection.path() + QLatin1Char('/'));
}

std::string TCalDavCalendar::PathOf(const QString& Href) const
{
    return Collection.resolved(QUrl(Href)).path(QUrl::FullyEncoded).toStdString();
}

QUrl TCalDavCalendar::At(const std::string& Href) const
{
    return Collection.resolved(QUrl::fromEncoded(QByteArray::fromStdString(Href)));
}

std::vector<TDavResponse> TCalDavCalendar::Ask(const QByteArray& Verb, const QByteArray& Body, const char* What)
{
    const THttpReply Reply = Connection.SendXml(Verb, Collection, Body, "1");
    if (Reply.Status == 404 || Reply.Status == 410)
        throw Gone();
    if (Reply.Status != 207)
        throw Unexpected(Reply, What);
    bool Failed = false;
    std::vector<TDavResponse> Responses = ReadMultistatus(Reply.Body, &Failed);
    if (Failed)
        throw Failure(QStringLiteral("The server's answer to %1 at %2 could not be read. Sync again later.")
                          .arg(QLatin1String(What), Collection.toString()));
    return Responses;
}

ESyncFailure TCalDavCalendar::Gone() const
{
    return Failure(QStringLiteral("The calendar %1 is no longer on the server. Choose a calendar again in "
                                  "Options > Calendar Account (or give --calendar).").arg(Collection.toString()));
}

std::vector<TServerItem> TCalDavCalendar::List()
{
    static const QByteArray Body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                                   "<d:propfind xmlns:d=\"DAV:\"><d:prop><d:getetag/><d:resourcetype/></d:prop>"
                                   "</d:propfind>";
    const std::vector<TDavResponse> Responses = Ask("PROPFIND", Body, "the listing of the calendar");
    std::vector<TServerItem> Items;
    const std::string Own = Collection.path(QUrl::FullyEncoded).toStdString();
    for (const TDavResponse& Response : Responses) {
        const std::string Path = PathOf(Response.Href);
        if (Response.Collection || Path == Own || Response.Status != 200)
            continue;
        Items.push_back({Path, Response.Etag.toStdString()});
    }
    return Items;
}

std::optional<TChanges> TCalDavCalendar::ChangesSince(const std::string& Token)
{
    const QByteArray Body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                            "<d:sync-collection xmlns:d=\"DAV:\"><d:sync-token>" +
                            QString::fromStdString(Token).toHtmlEscaped().toUtf8() +
                            "</d:sync-token><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop>"
                            "</d:sync-collection>";
    const THttpReply Reply = Connection.SendXml("REPORT", Collection, Body, "0");
    if (Reply.Status == 404 || Reply.Status == 410)
        throw Gone();
    // A server without the report, or one that no longer takes the token
    // (403 or 409 with valid-sync-token), is read whole instead.
    if (Reply.Status != 207)
        return std::nullopt;
    bool Failed = false;
    QString NewToken;
    const std::vector<TDavResponse> Responses = ReadMultistatus(Reply.Body, &Failed, &NewToken);
    if (Failed || NewToken.isEmpty())
        return std::nullopt;
    TChanges Changes;
    Changes.Token = NewToken.toStdString();
    const std::string Own = Collection.path(QUrl::FullyEncoded).toStdString();
    for (const TDavResponse& Response : Responses) {
        const std::string Path = PathOf(Response.Href);
        if (Path == Own || Response.Collection)
            continue;
        if (Response.Status == 404 || Response.Status == 410)
            Changes.Removed.push_back(Path);
        else if (Response.Status == 200)
            Changes.Changed.push_back({Path, Response.Etag.toStdString()});
    }
    return Changes;
}

std::vector<TFetchedItem> TCalDavCalendar::Fetch(const std::vector<std::string>& Hrefs)
{
    if (Hrefs.empty())
        return {};
    QByteArray Body = "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
                      "<c:calendar-multiget xmlns:d=\"DAV:\" xmlns:c=\"urn:ietf:params:xml:ns:caldav\">"
                      "<d:prop><d:getetag/><c:calendar-data/></d:prop>";
    for (const std::string& Href : Hrefs)
        Body += "<d:href>" + QString::fromStdString(Href).toHtmlEscaped().toUtf8() + "</d:href>";
    Body += "</c:calendar-multiget>";
    const std::vector<TDavResponse> Responses = Ask("REPORT", Body, "reading events");
    std::vector<TFetchedItem> Items;
    for (const TDavResponse& Response : Responses)
        if (Response.Status == 200 && !Response.CalendarData.isEmpty())
            Items.push_back({PathOf(Response.Href), Response.Etag.toStdString(), Response.CalendarData.toStdString()});
    return Items;
}

TWriteAnswer TCalDavCalendar::Put(const std::string& Href, const std::string& Text, const std::string& IfMatch)
{
    const QByteArray Condition = IfMatch.empty() ? QByteArray("If-None-Match") : QByteArray("If-Match");
    const QByteArray Value = IfMatch.empty() ? QByteArray("*") : QByteArray::fromStdString(IfMatch);
    const THttpReply Reply = Connection.Send("PUT", At(Href), QByteArray::fromStdString(Text),
                                             {{"Content-Type", "text/calendar; charset=utf-8"}, {Condition, Value}});
    if (Reply.Status == 412)
        return {true, {}};
    if (Reply.Status == 409)
        return {false, {}, true};
    if (Reply.Status == 404)
        throw Gone();
    if (Reply.Status < 200 || Reply.Status > 299)
        throw Unexpected(Reply, "storing an event");
    return {false, Reply.Etag.toStdString()};
}

TWriteAnswer TCalDavCalendar::Remove(const std::string& Href, const std::string& IfMatch)
{
    const THttpReply Reply = Connection.Send("DELETE", At(Href), {}, {{"If-Match", QByteArray::fromStdString(IfMatch)}});
    if (Reply.Status == 412)
        return {true, {}};
    if (Reply.Status == 404 || Reply.Status == 410 || (Reply.Status >= 200 && Reply.Status <= 299))
        return {};
    throw Unexpected(Reply, "removing an event");
}

std::string TCalDavCalendar::HrefFor(const std::string& Uid) const
{
    // Our UIDs hold only letters, digits, '-' and '@'; the path keeps what
    // comes before the '@', which needs no escaping on any server.
    const std::string Name = Uid.substr(0, Uid.find('@'));
    return Collection.path(QUrl::FullyEncoded).toStdString() + Name + ".ics";
}

}  // namespace mirvane
