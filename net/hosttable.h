#pragma once

#include <QHostAddress>
#include <QObject>
#include <QStringList>
#include <QTimer>

#include <array>

#include <memory>
#include <optional>

#include "directserver.h"
#include "gamehost.h"
#include "hostidentity.h"
#include "xmpplink.h"

namespace vantry {
class Engine;
class Prompter;
}

namespace vantry::net {

// This copy as the host of its game for players on other computers: its own certificate, a
// server on every address and the referee, and the invitations that let the players in. A
// seat whose copy has gone is marked away on the board; after a minute the host is asked
// whether the computer should play it until its player is back. Closing it tells every remote
// copy that the host has gone.
class HostTable final : public QObject {
    Q_OBJECT
public:
    // No value when the certificate cannot be made or no port can be opened. Without `direct`
    // no port is opened at all: the table is reached through the XMPP server of ReachThrough
    // alone, and its invitations say so.
    static std::unique_ptr<HostTable> Open(Engine& engine, Prompter& prompter, quint16 port = 0,
                                           QObject* parent = nullptr, bool direct = true);
    ~HostTable() override;

    // An invitation to `seat` (0..3), which is then played from another computer; asked again
    // for the same seat, the old invitation opens nothing any more.
    QString Invite(int seat);
    // The seat is played on this computer again; its invitation opens nothing any more.
    void PlayHere(int seat);
    // An invitation to watch; empty once the watchers' places are all given.
    QString InviteWatcher();
    // The address the invitations name: this computer's first address that others can reach,
    // unless one is set.
    void SetAddress(const QHostAddress& address) { address_ = address; }
    // Lets players in through the XMPP account too, whose address the invitations then name;
    // the account must outlive the table.
    void ReachThrough(XmppAccount& account);

    GameHost& Host() { return host_; }
    // How long a seat is away before the question; a minute unless a test shortens it.
    void SetOfferDelay(int ms) {
        for (QTimer& t : awayTimers_) t.setInterval(ms);
    }

private:
    HostTable(Engine& engine, Prompter& prompter, HostIdentity identity, QObject* parent);
    void Away(int seat);
    void Back(int seat);
    void OfferToComputer(int seat);
    QString Link(int seat, const QByteArray& secret) const;
    static QHostAddress ReachableAddress();

    Engine& engine_;
    Prompter& prompter_;
    HostIdentity identity_;
    DirectServer server_;
    GameHost host_;
    std::unique_ptr<XmppServer> xmpp_;
    // Listening for direct connections; otherwise reached through the XMPP server alone.
    bool direct_ = true;
    QHostAddress address_;
    std::array<QTimer, 4> awayTimers_;
    // Seats the computer plays while their players are away.
    std::array<bool, 4> handed_{};
};

}  // namespace vantry::net
