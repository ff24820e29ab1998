#include "tests/sync/FaultServer.h"

#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QFile>

namespace mirvane {

TFaultServer::TFaultServer(TFault Fault) : Fault(Fault)
{
    listen(QHostAddress::LocalHost, 0);
    if (Fault != TFault::BadCertificate)
        return;
    // A fresh self-signed certificate, made by openssl for this run.
    QTemporaryDir Folder;
    QProcess Openssl;
    Openssl.start(QStringLiteral("openssl"),
                  {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                   QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                   QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-keyout"), Folder.filePath(QStringLiteral("key")),
                   QStringLiteral("-out"), Folder.filePath(QStringLiteral("cert"))});
    Usable = Openssl.waitForFinished(30000) && Openssl.exitCode() == 0 && QSslSocket::supportsSsl();
    QFile CertificateFile(Folder.filePath(QStringLiteral("cert")));
    QFile KeyFile(Folder.filePath(QStringLiteral("key")));
    if (Usable && CertificateFile.open(QIODevice::ReadOnly) && KeyFile.open(QIODevice::ReadOnly)) {
        Certificate = CertificateFile.readAll();
        Key = KeyFile.readAll();
    }
}

TFaultServer::~TFaultServer() = default;

QUrl TFaultServer::Root() const
{
    return QUrl(QStringLiteral("%1://127.0.0.1:%2/")
                    .arg(Fault == TFault::BadCertificate ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(serverPort()));
}

void TFaultServer::incomingConnection(qintptr Descriptor)
{
    if (Fault == TFault::BadCertificate) {
        auto* Socket = new QSslSocket(this);
        Socket->setSocketDescriptor(Descriptor);
        Socket->setLocalCertificate(QSslCertificate(Certificate));
        Socket->setPrivateKey(QSslKey(Key, QSsl::Rsa));
        Socket->startServerEncryption();
        return;
    }
    auto* Socket = new QTcpSocket(this);
    Socket->setSocketDescriptor(Descriptor);
    QObject::connect(Socket, &QTcpSocket::readyRead, Socket, [this, Socket] {
        if (!Socket->readAll().contains("\r\n\r\n") || Fault == TFault::Silent)
            return;
        Socket->write("HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: 4000\r\n\r\n"
                      "<?xml version=\"1.0\"?><d:multistatus xmlns:d=\"DAV:\"><d:response>");
        Socket->flush();
        Socket->disconnectFromHost();
    });
}

}  // namespace mirvane
