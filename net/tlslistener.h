#pragma once

#include <QTcpServer>

namespace vantry::net {

// Listens and hands each new connection over as its bare descriptor, so that the one who
// takes it decides whether to start a secure socket on it or to shut it at once.
class TlsListener final : public QTcpServer {
    Q_OBJECT
public:
    using QTcpServer::QTcpServer;

signals:
    void Incoming(qintptr descriptor);

protected:
    void incomingConnection(qintptr descriptor) override { emit Incoming(descriptor); }
};

}  // namespace vantry::net
