#pragma once

#include <QSslConfiguration>

#include "directlink.h"
#include "linkserver.h"
#include "tlslistener.h"

namespace vantry::net {

struct HostIdentity;

// The host's end of direct play: listens on every address (IPv4 and IPv6) and starts TLS
// with the host's own certificate on each connection, up to a fixed number at once; a
// connection past them is shut before a byte is read.
class DirectServer final : public LinkServer {
    Q_OBJECT
public:
    static constexpr int MaxConnections = 32;

    explicit DirectServer(const HostIdentity& identity, QObject* parent = nullptr);

    // Port 0 takes any free port.
    bool Listen(quint16 port = 0);
    quint16 Port() const { return listener_.serverPort(); }
    int Connections() const { return connections_; }
    // How fast each peer may send; a peer past it loses its connection.
    void SetRateLimit(int burst, int perSecond) {
        burst_ = burst;
        perSecond_ = perSecond;
    }

private:
    void Take(qintptr descriptor);

    QSslConfiguration config_;
    TlsListener listener_;
    int connections_ = 0;
    int burst_ = DirectLink::RateBurst;
    int perSecond_ = DirectLink::RatePerSecond;
};

}  // namespace vantry::net
