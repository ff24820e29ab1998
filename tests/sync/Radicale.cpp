#include "tests/sync/Radicale.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace mirvane {
namespace {

// A port nothing listens on now.
quint16 FreePort()
{
    QTcpServer Probe;
    Probe.listen(QHostAddress::LocalHost, 0);
    return Probe.serverPort();
}

}  // namespace

TRadicale::TRadicale(const QString& Password) : Port(FreePort())
{
    QStringList Arguments{QStringLiteral("-m"), QStringLiteral("radicale"), QStringLiteral("--config"), QString(),
                          QStringLiteral("--server-hosts"), QStringLiteral("127.0.0.1:%1").arg(Port),
                          QStringLiteral("--storage-filesystem-folder"), Storage.filePath(QStringLiteral("data"))};
    if (Password.isEmpty()) {
        Arguments << QStringLiteral("--auth-type") << QStringLiteral("none");
    } else {
        QFile Users(Storage.filePath(QStringLiteral("users")));
        if (!Users.open(QIODevice::WriteOnly)) {
            Failure = QStringLiteral("The password file cannot be written");
            return;
        }
        Users.write("alice:" + Password.toUtf8() + '\n');
        Users.close();
        Arguments << QStringLiteral("--auth-type") << QStringLiteral("htpasswd") << QStringLiteral("--auth-htpasswd-filename")
                  << Users.fileName() << QStringLiteral("--auth-htpasswd-encryption") << QStringLiteral("plain");
    }
    // Debian's Radicale, whatever python3 comes first on the path.
    Server.setProgram(QFile::exists(QStringLiteral("/usr/bin/python3")) ? QStringLiteral("/usr/bin/python3")
                                                                         : QStringLiteral("python3"));
    Server.setArguments(Arguments);
    Server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    Server.start();
    if (!Server.waitForStarted(10000)) {
        Failure = QStringLiteral("Radicale did not start: ") + Server.errorString();
        return;
    }
    QElapsedTimer Waited;
    Waited.start();
    while (Waited.elapsed() < 20000 && Server.state() == QProcess::Running) {
        QTcpSocket Probe;
        Probe.connectToHost(QHostAddress::LocalHost, Port);
        if (Probe.waitForConnected(200)) {
            Answering = true;
            return;
        }
        QThread::msleep(50);
    }
    Failure = QStringLiteral("Radicale did not answer on port %1").arg(Port);
}

TRadicale::~TRadicale()
{
    Server.terminate();
    if (!Server.waitForFinished(5000)) {
        Server.kill();
        Server.waitForFinished(5000);
    }
}

QUrl TRadicale::Root() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(Port));
}

}  // namespace mirvane
