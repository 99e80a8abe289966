#pragma once

#include <QHostAddress>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

#include "directserver.h"
#include "gamehost.h"
#include "hostidentity.h"

namespace vantry {
class Engine;
}

namespace vantry::net {

// This copy as the host of its game for players on other computers: its own certificate, a
// server on every address and the referee, and the invitations that let the players in.
// Closing it tells every remote copy that the host has gone.
class HostTable final : public QObject {
    Q_OBJECT
public:
    // No value when the certificate cannot be made or no port can be opened.
    static std::unique_ptr<HostTable> Open(Engine& engine, quint16 port = 0, QObject* parent = nullptr);
    ~HostTable() override;

    // An invitation to `seat` (0..3), which is then played from another computer; asked again
    // for the same seat, the old invitation opens nothing any more.
    QString Invite(int seat);
    // An invitation to watch; empty once the watchers' places are all given.
    QString InviteWatcher();
    // The address the invitations name: this computer's first address that others can reach,
    // unless one is set.
    void SetAddress(const QHostAddress& address) { address_ = address; }

    GameHost& Host() { return host_; }

private:
    HostTable(Engine& engine, HostIdentity identity, QObject* parent);
    QString Link(int seat, const QByteArray& secret) const;
    static QHostAddress ReachableAddress();

    Engine& engine_;
    HostIdentity identity_;
    DirectServer server_;
    GameHost host_;
    QHostAddress address_;
};

}  // namespace vantry::net
