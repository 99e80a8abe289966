#pragma once

#include <deque>

#include <QSslConfiguration>

#include "directlink.h"
#include "linkserver.h"
#include "tlslistener.h"

namespace vantry::net {

struct HostIdentity;

// The host's end of direct play: listens on every address (IPv4 and IPv6) and starts TLS
// with the host's own certificate on each connection, up to a fixed number at once. Past
// them, the connection longest in its handshake makes room, or, when none is, the newcomer is
// shut before a byte is read.
class DirectServer final : public LinkServer {
    Q_OBJECT
public:
    static constexpr int MaxConnections = 32;

    explicit DirectServer(const HostIdentity& identity, QObject* parent = nullptr);

    // Port 0 takes any free port.
    bool Listen(quint16 port = 0);
    quint16 Port() const { return listener_.serverPort(); }
    int Connections() const { return connections_; }
    // How fast each peer may send and how long its handshake may take; a peer past them loses
    // its connection.
    void SetLimits(const DirectLink::Limits& limits) { limits_ = limits; }

private:
    void Take(qintptr descriptor);

    QSslConfiguration config_;
    TlsListener listener_;
    int connections_ = 0;
    // Connections whose handshake is not done yet, oldest first.
    std::deque<DirectLink*> handshaking_;
    DirectLink::Limits limits_;
};

}  // namespace vantry::net
