#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QTimer>

#include "framereader.h"
#include "link.h"
#include "tokenbucket.h"

class QSslError;
class QSslSocket;

namespace vantry::net {

struct Invitation;

// A link over TLS on a direct connection, in length-prefixed frames of compact JSON. The
// host's side limits how fast its peer may send; the guest's side trusts no certificate but
// the one whose fingerprint its invitation names. Either side gives the handshake a deadline.
// Delete it with deleteLater: it may be the sender of the signal being handled.
class DirectLink final : public Link {
    Q_OBJECT
public:
    static constexpr int HandshakeMs = 10000;
    // What may wait unsent for a peer that does not read before it is dropped.
    static constexpr qint64 MaxUnsentBytes = 4 * 1024 * 1024;

    // What the host's end allows its peer: about ten requests a second with room for a short
    // burst (far above what a player makes, far below what could keep the host busy), and the
    // time the secure handshake may take.
    struct Limits {
        int burst = 20;
        int perSecond = 10;
        int handshakeMs = HandshakeMs;
    };

    // The host's end of a connection whose server handshake has been started on `socket`;
    // takes the socket as its child.
    explicit DirectLink(QSslSocket* socket, const Limits& limits, QObject* parent = nullptr);
    // A guest's connection to the host of the invitation.
    static DirectLink* Dial(const Invitation& invitation, QObject* parent = nullptr);

    void Send(const Message& message) override;
    void Close() override;
    void Abort() override;
    bool IsOpen() const override { return open_; }

private:
    explicit DirectLink(QSslSocket* socket, QByteArray fingerprint, int handshakeMs, QObject* parent);
    void Wire(int handshakeMs);
    void Encrypted();
    void TrustPinned(const QList<QSslError>& errors);
    void Read();
    // Ends the link: `drop` aborts the connection, otherwise it was closed already.
    void End(LinkEnd why, bool drop);
    bool PinMatches() const;

    QSslSocket* socket_;
    // Empty on the host's side; the guest's pin otherwise.
    QByteArray fingerprint_;
    QTimer handshake_;
    FrameReader frames_;
    TokenBucket rate_{Limits{}.burst, Limits{}.perSecond};
    QElapsedTimer clock_;
    // The host showed a certificate other than the pinned one.
    bool pinFailed_ = false;
    bool open_ = false;
    bool ended_ = false;
};

}  // namespace vantry::net
