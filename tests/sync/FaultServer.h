#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>
#include <memory>

namespace mirvane {

// What the fault server does to every request.
enum class TFault {
    DropMidReply,  // a 207 promised, half of it sent, the connection closed
    Silent,        // the request read, no answer ever
    BadCertificate // TLS with a certificate no one signed
};

// A server on the loopback interface that fails as Radicale never does. It
// runs in the test's thread: the client's own waiting serves it.
class TFaultServer : public QTcpServer {
public:
    explicit TFaultServer(TFault Fault);
    ~TFaultServer() override;
    QUrl Root() const;
    // False when the fault cannot be set up here (no openssl for a
    // certificate).
    bool Ready() const { return Usable; }

protected:
    void incomingConnection(qintptr Socket) override;

private:
    TFault Fault;
    bool Usable = true;
    QByteArray Certificate;
    QByteArray Key;
};

}  // namespace mirvane
