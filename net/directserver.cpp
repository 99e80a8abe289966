#include "directserver.h"

#include <QSslSocket>
#include <QTcpSocket>

#include "directlink.h"
#include "hostidentity.h"

#include <memory>

namespace vantry::net {

DirectServer::DirectServer(const HostIdentity& identity, QObject* parent) : LinkServer(parent) {
    config_ = QSslConfiguration::defaultConfiguration();
    config_.setProtocol(QSsl::TlsV1_2OrLater);
    config_.setLocalCertificate(identity.certificate);
    config_.setPrivateKey(identity.key);
    // The guests prove themselves with their secret, inside the encrypted link.
    config_.setPeerVerifyMode(QSslSocket::VerifyNone);
    connect(&listener_, &TlsListener::Incoming, this, &DirectServer::Take);
}

bool DirectServer::Listen(quint16 port) { return listener_.listen(QHostAddress::Any, port); }

void DirectServer::Take(qintptr descriptor) {
    if (connections_ >= MaxConnections) {
        QTcpSocket refused;
        if (refused.setSocketDescriptor(descriptor)) refused.abort();
        return;
    }
    auto socket = std::make_unique<QSslSocket>();
    if (!socket->setSocketDescriptor(descriptor)) return;
    socket->setSslConfiguration(config_);
    QSslSocket* started = socket.get();
    auto* link = new DirectLink(socket.release(), limits_, this);
    ++connections_;
    connect(link, &QObject::destroyed, this, [this] { --connections_; });
    started->startServerEncryption();
    emit Arrived(link);
}

}  // namespace vantry::net
