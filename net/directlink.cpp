#include "directlink.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QSslConfiguration>
#include <QSslSocket>

#include "invitation.h"
#include "messagecodec.h"

namespace vantry::net {

namespace {

// The errors a self-signed certificate of no name raises; a certificate known by its
// fingerprint needs neither a chain nor a host name. Anything else (an expired certificate)
// still ends the handshake.
bool IsTrustError(const QSslError& e) {
    switch (e.error()) {
        case QSslError::SelfSignedCertificate:
        case QSslError::SelfSignedCertificateInChain:
        case QSslError::UnableToGetLocalIssuerCertificate:
        case QSslError::UnableToVerifyFirstCertificate:
        case QSslError::CertificateUntrusted:
        case QSslError::HostNameMismatch: return true;
        default: return false;
    }
}

}  // namespace

DirectLink::DirectLink(QSslSocket* socket, const Limits& limits, QObject* parent)
    : DirectLink(socket, QByteArray(), limits.handshakeMs, parent) {
    rate_ = TokenBucket(limits.burst, limits.perSecond);
}

DirectLink::DirectLink(QSslSocket* socket, QByteArray fingerprint, int handshakeMs, QObject* parent)
    : Link(parent), socket_(socket), fingerprint_(std::move(fingerprint)) {
    socket_->setParent(this);
    clock_.start();
    Wire(handshakeMs);
}

DirectLink* DirectLink::Dial(const Invitation& invitation, QObject* parent) {
    auto* socket = new QSslSocket;
    QSslConfiguration config = QSslConfiguration::defaultConfiguration();
    config.setProtocol(QSsl::TlsV1_2OrLater);
    config.setPeerVerifyMode(QSslSocket::VerifyPeer);
    socket->setSslConfiguration(config);
    auto* link = new DirectLink(socket, invitation.fingerprint, HandshakeMs, parent);
    socket->connectToHostEncrypted(invitation.address.toString(), invitation.port);
    return link;
}

void DirectLink::Wire(int handshakeMs) {
    handshake_.setSingleShot(true);
    connect(&handshake_, &QTimer::timeout, this, [this] { End(LinkEnd::HandshakeTimedOut, true); });
    handshake_.start(handshakeMs);
    connect(socket_, &QSslSocket::encrypted, this, &DirectLink::Encrypted);
    connect(socket_, &QSslSocket::sslErrors, this, &DirectLink::TrustPinned);
    connect(socket_, &QSslSocket::readyRead, this, &DirectLink::Read);
    connect(socket_, &QAbstractSocket::disconnected, this, [this] { End(LinkEnd::Closed, false); });
    connect(socket_, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (error == QAbstractSocket::RemoteHostClosedError) {
            End(LinkEnd::Closed, false);
            return;
        }
        End(pinFailed_ ? LinkEnd::CertificateMismatch : LinkEnd::Unreachable, true);
    });
}

bool DirectLink::PinMatches() const {
    const QSslCertificate cert = socket_->peerCertificate();
    return !cert.isNull() && SameSecret(cert.digest(QCryptographicHash::Sha256), fingerprint_);
}

void DirectLink::TrustPinned(const QList<QSslError>& errors) {
    if (fingerprint_.isEmpty()) return;
    pinFailed_ = !PinMatches();
    if (pinFailed_) return;
    for (const QSslError& e : errors) {
        if (!IsTrustError(e)) return;
    }
    socket_->ignoreSslErrors(errors);
}

void DirectLink::Encrypted() {
    // A certificate some authority vouches for raises no error, so the pin is checked here too.
    if (!fingerprint_.isEmpty() && !PinMatches()) {
        End(LinkEnd::CertificateMismatch, true);
        return;
    }
    handshake_.stop();
    open_ = true;
    emit Opened();
}

void DirectLink::Read() {
    while (!ended_ && socket_->bytesAvailable() > 0) {
        frames_.Append(socket_->read(MaxFrameBytes));
        QByteArray frame;
        while (!ended_ && frames_.Next(frame)) {
            const auto message = DecodeMessage(frame);
            if (!message) {
                End(LinkEnd::Malformed, true);
                return;
            }
            if (fingerprint_.isEmpty() && !rate_.Take(clock_.elapsed())) {
                End(LinkEnd::Flooded, true);
                return;
            }
            emit Received(*message);
        }
        if (frames_.Broken()) End(LinkEnd::Malformed, true);
    }
}

void DirectLink::Send(const Message& message) {
    if (!open_) return;
    socket_->write(FrameReader::Framed(EncodeMessage(message)));
    if (socket_->bytesToWrite() > MaxUnsentBytes) End(LinkEnd::Flooded, true);
}

void DirectLink::Close() {
    if (ended_) return;
    // The socket is let go to finish sending what is queued (a farewell) on its own time,
    // whatever becomes of this link; the application still takes it down at its end.
    QSslSocket* socket = socket_;
    socket_ = new QSslSocket(this);
    socket->disconnect(this);
    socket->setParent(QCoreApplication::instance());
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    QTimer::singleShot(HandshakeMs, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });
    socket->disconnectFromHost();
    End(LinkEnd::Closed, false);
}

void DirectLink::Abort() { End(LinkEnd::Closed, true); }

void DirectLink::End(LinkEnd why, bool drop) {
    if (ended_) return;
    ended_ = true;
    open_ = false;
    handshake_.stop();
    if (drop) socket_->abort();
    emit Ended(why);
}

}  // namespace vantry::net
