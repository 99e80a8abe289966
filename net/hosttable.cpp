#include "hosttable.h"

#include <QNetworkInterface>

#include "engine.h"
#include "invitation.h"

namespace vantry::net {

std::unique_ptr<HostTable> HostTable::Open(Engine& engine, quint16 port, QObject* parent) {
    std::optional<HostIdentity> identity = HostIdentity::Make();
    if (!identity) return nullptr;
    std::unique_ptr<HostTable> table(new HostTable(engine, std::move(*identity), parent));
    if (!table->server_.Listen(port)) return nullptr;
    return table;
}

HostTable::HostTable(Engine& engine, HostIdentity identity, QObject* parent)
    : QObject(parent),
      engine_(engine),
      identity_(std::move(identity)),
      server_(identity_, this),
      host_(engine, server_, this),
      address_(ReachableAddress()) {}

HostTable::~HostTable() { host_.Close(ByeReason::HostClosed); }

QString HostTable::Invite(int seat) {
    const QByteArray secret = host_.OfferSeat(seat);
    engine_.SetRemote(seat, true);
    return Link(seat, secret);
}

QString HostTable::InviteWatcher() {
    const QByteArray secret = host_.AddWatcher();
    return secret.isEmpty() ? QString() : Link(Invitation::Watch, secret);
}

QString HostTable::Link(int seat, const QByteArray& secret) const {
    Invitation invitation;
    invitation.address = address_;
    invitation.port = server_.Port();
    invitation.fingerprint = identity_.Fingerprint();
    invitation.seat = seat;
    invitation.secret = secret;
    return invitation.Format();
}

// An IPv4 address goes first: it is the one a router forwards; loopback only when nothing else.
QHostAddress HostTable::ReachableAddress() {
    QHostAddress six;
    for (const QHostAddress& a : QNetworkInterface::allAddresses()) {
        if (a.isLoopback() || a.isLinkLocal()) continue;
        if (a.protocol() == QAbstractSocket::IPv4Protocol) return a;
        if (six.isNull() && a.protocol() == QAbstractSocket::IPv6Protocol) six = a;
    }
    return six.isNull() ? QHostAddress(QHostAddress::LocalHost) : six;
}

}  // namespace vantry::net
