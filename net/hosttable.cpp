#include "hosttable.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QSslSocket>
#include <QNetworkInterface>

#include "engine.h"
#include "invitation.h"
#include "prompter.h"
#include "xmppaccount.h"

namespace vantry::net {

std::unique_ptr<HostTable> HostTable::Open(Engine& engine, Prompter& prompter, quint16 port, QObject* parent,
                                           bool direct) {
    std::optional<HostIdentity> identity = HostIdentity::Make();
    if (!identity) return nullptr;
    std::unique_ptr<HostTable> table(new HostTable(engine, prompter, std::move(*identity), parent));
    table->direct_ = direct;
    if (direct && !table->server_.Listen(port)) return nullptr;
    return table;
}

HostTable::HostTable(Engine& engine, Prompter& prompter, HostIdentity identity, QObject* parent)
    : QObject(parent),
      engine_(engine),
      prompter_(prompter),
      identity_(std::move(identity)),
      server_(identity_, this),
      host_(engine, server_, this),
      address_(ReachableAddress()) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        QTimer& timer = awayTimers_[static_cast<std::size_t>(seat)];
        timer.setSingleShot(true);
        timer.setInterval(GameHost::AwayOfferSeconds * 1000);
        connect(&timer, &QTimer::timeout, this, [this, seat] { OfferToComputer(seat); });
    }
    connect(&host_, &GameHost::SeatAway, this, [this](int seat, const QDateTime&) { Away(seat); });
    connect(&host_, &GameHost::SeatBack, this, &HostTable::Back);
}

void HostTable::Away(int seat) {
    engine_.SetAway(seat, true);
    awayTimers_[static_cast<std::size_t>(seat)].start();
}

// A player who comes back takes the seat back from the computer.
void HostTable::Back(int seat) {
    const auto s = static_cast<std::size_t>(seat);
    awayTimers_[s].stop();
    engine_.SetAway(seat, false);
    if (handed_[s]) engine_.SetSeat(seat, false, engine_.State().Names[s]);
    handed_[s] = false;
}

// The question waits for the host's answer; a player back by then keeps the seat.
void HostTable::OfferToComputer(int seat) {
    const auto s = static_cast<std::size_t>(seat);
    const QString name = QString::fromStdString(engine_.State().Names[s]);
    const auto answer = prompter_.AskYesNoCancel(
        QCoreApplication::translate("HostTable",
                                    "%1 has been away for a minute. Shall the computer play for %1 until %1 is back?")
            .arg(name));
    if (answer != Prompter::Answer::Yes || !engine_.State().Away[s]) return;
    handed_[s] = true;
    engine_.SetSeat(seat, true, engine_.State().Names[s]);
}

// The farewell goes out even as the program ends: the sockets let go finish sending on the event
// loop, which is given half a second at most.
HostTable::~HostTable() {
    host_.Close(ByeReason::HostClosed);
    QDeadlineTimer deadline(500);
    const auto sending = [] {
        return !QCoreApplication::instance()->findChildren<QSslSocket*>(QString(), Qt::FindDirectChildrenOnly).isEmpty();
    };
    while (sending() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QString HostTable::Invite(int seat) {
    const QByteArray secret = host_.OfferSeat(seat);
    engine_.SetRemote(seat, true);
    return Link(seat, secret);
}

void HostTable::PlayHere(int seat) {
    host_.CloseSeat(seat);
    Back(seat);
    engine_.SetRemote(seat, false);
}

QString HostTable::InviteWatcher() {
    const QByteArray secret = host_.AddWatcher();
    return secret.isEmpty() ? QString() : Link(Invitation::Watch, secret);
}

void HostTable::ReachThrough(XmppAccount& account) {
    xmpp_ = std::make_unique<XmppServer>(account, [this](const QByteArray& keyId) { return host_.SecretOf(keyId); });
    host_.Listen(*xmpp_);
}

QString HostTable::Link(int seat, const QByteArray& secret) const {
    Invitation invitation;
    invitation.address = address_;
    invitation.port = direct_ ? server_.Port() : 0;
    invitation.fingerprint = identity_.Fingerprint();
    invitation.seat = seat;
    invitation.secret = secret;
    if (xmpp_) invitation.xmpp = xmpp_->Account().Address();
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
