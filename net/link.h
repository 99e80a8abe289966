#pragma once

#include <QObject>

#include "message.h"

namespace vantry::net {

// Why a link closed, for the UI to word and for the guest to choose whether to try again.
enum class LinkEnd : std::uint8_t {
    Closed,               // closed by either side
    Unreachable,          // no connection could be made or it broke
    HandshakeTimedOut,    // the secure handshake was not done in time
    CertificateMismatch,  // the host's certificate is not the invitation's
    Malformed,            // the peer sent something that is not a message of ours
    Flooded,              // the peer sent more than the rate limit allows
};

// One connection to one peer, whatever carries it: the game sends and receives messages and
// hears when the peer came (the connection is ready) and went. Closed is emitted once; the
// link may then be deleted later by its owner.
class Link : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual void Send(const Message& message) = 0;
    // Sends what is queued, then closes.
    virtual void Close() = 0;
    // Drops the connection at once, as a broken network would.
    virtual void Abort() = 0;
    virtual bool IsOpen() const = 0;

signals:
    void Opened();
    void Received(const vantry::net::Message& message);
    void Ended(vantry::net::LinkEnd why);
};

}  // namespace vantry::net
