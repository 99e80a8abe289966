#include "directserver.h"

#include <QSslSocket>
#include <QTcpSocket>

#include "directlink.h"
#include "hostidentity.h"

#include <algorithm>
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

// A full host makes room by shutting the connection that has waited longest without finishing
// its handshake: connections that say nothing cannot keep a player out for their whole deadline.
// Only when every connection is through its handshake is the newcomer shut.
void DirectServer::Take(qintptr descriptor) {
    if (connections_ >= MaxConnections) {
        if (handshaking_.empty()) {
            QTcpSocket refused;
            if (refused.setSocketDescriptor(descriptor)) refused.abort();
            return;
        }
        DirectLink* oldest = handshaking_.front();
        handshaking_.pop_front();
        disconnect(oldest, &QObject::destroyed, this, nullptr);
        --connections_;
        oldest->Abort();
    }
    auto socket = std::make_unique<QSslSocket>();
    if (!socket->setSocketDescriptor(descriptor)) return;
    socket->setSslConfiguration(config_);
    QSslSocket* started = socket.get();
    auto* link = new DirectLink(socket.release(), limits_, this);
    ++connections_;
    handshaking_.push_back(link);
    const auto handshaken = [this, link] {
        const auto at = std::find(handshaking_.begin(), handshaking_.end(), link);
        if (at != handshaking_.end()) handshaking_.erase(at);
    };
    connect(link, &Link::Opened, this, handshaken);
    connect(link, &QObject::destroyed, this, [this, handshaken] {
        --connections_;
        handshaken();
    });
    started->startServerEncryption();
    emit Arrived(link);
}

}  // namespace vantry::net
