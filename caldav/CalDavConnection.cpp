#include "caldav/CalDavConnection.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include "sync/CalendarServer.h"

namespace mirvane {
namespace {

constexpr int MostRedirects = 5;

bool LocalHost(const QUrl& Url)
{
    const QString Host = Url.host().toLower();
    return Host == u"localhost" || Host == u"127.0.0.1" || Host == u"::1";
}

ESyncFailure Failure(const QString& Text)
{
    return ESyncFailure(Text.toStdString());
}

// What a failed exchange means to the user, and what to do.
ESyncFailure NetworkFailure(const QUrl& Url, QNetworkReply::NetworkError Error, const QString& Detail,
                            int TimedOutAfterMs)
{
    const QString Host = Url.host();
    if (TimedOutAfterMs > 0)
        return Failure(QStringLiteral("The server %1 did not answer within %2 seconds. Check the network and the "
                                      "address, then sync again.").arg(Host).arg(TimedOutAfterMs / 1000.0));
    switch (Error) {
    case QNetworkReply::SslHandshakeFailedError:
        return Failure(QStringLiteral("The certificate of %1 could not be verified (%2), so Mirvane does not "
                                      "connect to it. Ask the server's administrator for a valid certificate.")
                           .arg(Host, Detail));
    case QNetworkReply::HostNotFoundError:
        return Failure(QStringLiteral("The server %1 was not found. Check the address and the network "
                                      "connection.").arg(Host));
    case QNetworkReply::ConnectionRefusedError:
    case QNetworkReply::NetworkSessionFailedError:
    case QNetworkReply::TemporaryNetworkFailureError:
    case QNetworkReply::UnknownNetworkError:
        return Failure(QStringLiteral("The server %1 cannot be reached (%2). Check the network connection and "
                                      "the address, then sync again.").arg(Host, Detail));
    case QNetworkReply::RemoteHostClosedError:
        return Failure(QStringLiteral("The connection to %1 was broken before its answer was complete. Sync "
                                      "again; what was sent is not sent twice.").arg(Host));
    default:
        return Failure(QStringLiteral("The exchange with %1 failed (%2). Sync again later.").arg(Host, Detail));
    }
}

}  // namespace

QString RefusedAddress(const QUrl& Url)
{
    if (!Url.isValid() || Url.host().isEmpty())
        return QStringLiteral("\"%1\" is not a server address; give one such as https://cloud.example.org.")
            .arg(Url.toString());
    if (Url.scheme() == u"https" || (Url.scheme() == u"http" && LocalHost(Url)))
        return {};
    if (Url.scheme() == u"http")
        return QStringLiteral("The password would be sent unencrypted to %1: use https:// (plain http:// is only "
                              "for this machine).").arg(Url.host());
    return QStringLiteral("\"%1\" is not a web address; give one beginning with https://.").arg(Url.toString());
}

TCalDavConnection::TCalDavConnection(TCalDavAccount Account)
    : Details(std::move(Account)), Network(std::make_unique<QNetworkAccessManager>())
{
    // Each request carries its own credentials; none are cached or asked for.
    Network->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

TCalDavConnection::~TCalDavConnection() = default;

THttpReply TCalDavConnection::Send(const QByteArray& Verb, const QUrl& Url, const QByteArray& Body,
                                   const QList<std::pair<QByteArray, QByteArray>>& Headers)
{
    if (const QString Refused = RefusedAddress(Url); !Refused.isEmpty())
        throw Failure(Refused);
    QNetworkRequest Request(Url);
    Request.setRawHeader("Authorization",
                         "Basic " + (Details.User + QLatin1Char(':') + Details.Password).toUtf8().toBase64());
    Request.setRawHeader("User-Agent", "Mirvane");
    for (const auto& [Name, Value] : Headers)
        Request.setRawHeader(Name, Value);
    Request.setTransferTimeout(Details.TimeoutMs);
    ++Sent;
    std::unique_ptr<QNetworkReply> Reply(Network->sendCustomRequest(Request, Verb, Body));
    QEventLoop Loop;
    QObject::connect(Reply.get(), &QNetworkReply::finished, &Loop, &QEventLoop::quit);
    Loop.exec();
    THttpReply Answer;
    Answer.Url = Url;
    const QVariant Status = Reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const bool TimedOut =
        Reply->error() == QNetworkReply::OperationCanceledError || Reply->error() == QNetworkReply::TimeoutError;
    // A status alone is not an answer: the connection may have broken in
    // the body that followed it.
    if (!Status.isValid() || (Reply->error() != QNetworkReply::NoError && Reply->error() < QNetworkReply::ContentAccessDenied))
        throw NetworkFailure(Url, Reply->error(), Reply->errorString(), TimedOut ? Details.TimeoutMs : 0);
    Answer.Status = Status.toInt();
    Answer.Body = Reply->readAll();
    // Qt hands over a body cut short by a closed connection as if whole.
    bool Sized = false;
    const qlonglong Promised = Reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&Sized);
    if (Sized && Answer.Body.size() < Promised && Reply->rawHeader("Content-Encoding").isEmpty())
        throw NetworkFailure(Url, QNetworkReply::RemoteHostClosedError, {}, 0);
    Answer.Etag = Reply->rawHeader("ETag");
    Answer.Location = Reply->rawHeader("Location");
    if (Answer.Status == 401)
        throw Failure(QStringLiteral("%1 refused the user name or password. Check them (the server may want an "
                                     "app password) and sync again.").arg(Url.host()));
    // A refused sync-token or report is an answer: the calendar is then
    // read whole.
    const bool Precondition = Answer.Body.contains("valid-sync-token") || Answer.Body.contains("supported-report");
    if (Answer.Status == 403 && Verb != "MKCALENDAR" && !Precondition)
        throw Failure(QStringLiteral("%1 does not let user %2 use %3. Choose another calendar.")
                          .arg(Url.host(), Details.User, Url.path()));
    return Answer;
}

THttpReply TCalDavConnection::SendXml(const QByteArray& Verb, const QUrl& Url, const QByteArray& Body,
                                      const QByteArray& Depth)
{
    QUrl At = Url;
    for (int Redirect = 0;; ++Redirect) {
        THttpReply Reply = Send(Verb, At, Body,
                                {{"Content-Type", "application/xml; charset=utf-8"}, {"Depth", Depth}});
        const bool Moved = Reply.Status == 301 || Reply.Status == 302 || Reply.Status == 303 ||
                           Reply.Status == 307 || Reply.Status == 308;
        if (!Moved || Reply.Location.isEmpty())
            return Reply;
        const QUrl Next = At.resolved(QUrl::fromEncoded(Reply.Location));
        if (Redirect == MostRedirects || Next.host() != Url.host())
            throw Failure(QStringLiteral("%1 sends Mirvane on to %2; give that address instead.")
                              .arg(Url.toString(), Next.toString()));
        At = Next;
    }
}

}  // namespace mirvane
