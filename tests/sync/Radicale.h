#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

namespace mirvane {

// A Radicale CalDAV server of its own on the loopback interface, in a
// temporary folder, stopped with the object. With a Password, only user
// "alice" with it is let in.
class TRadicale {
public:
    explicit TRadicale(const QString& Password = {});
    ~TRadicale();
    TRadicale(const TRadicale&) = delete;
    TRadicale& operator=(const TRadicale&) = delete;

    // False when it did not answer in time; Problem() says why.
    bool Running() const { return Answering; }
    QString Problem() const { return Failure; }
    QUrl Root() const;
    QString Folder() const { return Storage.path(); }

private:
    QTemporaryDir Storage;
    QProcess Server;
    quint16 Port = 0;
    bool Answering = false;
    QString Failure;
};

}  // namespace mirvane
