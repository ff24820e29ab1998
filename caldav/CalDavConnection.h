#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QUrl>
#include <memory>
#include <utility>

class QNetworkAccessManager;

namespace mirvane {

// Who reaches which server, and how long an answer may take.
struct TCalDavAccount {
    QUrl Server;  // the server's address, or a calendar's own
    QString User;
    QString Password;
    int TimeoutMs = 30000;  // without a byte of answer
};

// An HTTP answer.
struct THttpReply {
    int Status = 0;
    QByteArray Body;
    QByteArray Etag;
    QByteArray Location;
    QUrl Url;  // that was asked
};

// An address Mirvane may send the password to: https, or plain http on this
// machine. Empty when it may; otherwise what to tell the user.
QString RefusedAddress(const QUrl& Url);

// Requests to one CalDAV server, each waited for. Every request carries the
// user name and password; certificates are always verified. Throws
// ESyncFailure for any answer that is not HTTP (no network, a certificate
// that does not verify, a dropped connection, a timeout), and for 401 and
// 403; other statuses are the caller's.
class TCalDavConnection {
public:
    explicit TCalDavConnection(TCalDavAccount Account);
    ~TCalDavConnection();
    TCalDavConnection(const TCalDavConnection&) = delete;
    TCalDavConnection& operator=(const TCalDavConnection&) = delete;

    THttpReply Send(const QByteArray& Verb, const QUrl& Url, const QByteArray& Body = {},
                    const QList<std::pair<QByteArray, QByteArray>>& Headers = {});
    // A PROPFIND or REPORT with an XML body, following redirects of the
    // same server.
    THttpReply SendXml(const QByteArray& Verb, const QUrl& Url, const QByteArray& Body, const QByteArray& Depth);
    const TCalDavAccount& Account() const { return Details; }
    // Requests sent so far.
    int Requests() const { return Sent; }

private:
    TCalDavAccount Details;
    std::unique_ptr<QNetworkAccessManager> Network;
    int Sent = 0;
};

}  // namespace mirvane
