#include "gameguest.h"

#include <algorithm>

#include "directlink.h"

namespace vantry::net {

GameGuest::GameGuest(Invitation invitation, Dialer dial, QObject* parent)
    : QObject(parent), invitation_(std::move(invitation)), dial_(std::move(dial)) {
    if (!dial_) dial_ = [](const Invitation& in, QObject* owner) -> Link* { return DirectLink::Dial(in, owner); };
    welcome_.game = -1;
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &GameGuest::Dial);
}

GameGuest::~GameGuest() {
    stopped_ = true;
    if (link_) link_->Close();
}

void GameGuest::Start() {
    stopped_ = false;
    if (!link_) Dial();
}

void GameGuest::Leave() {
    if (link_) link_->Close();
    Stop(GuestEnd::Left);
}

void GameGuest::Dial() {
    if (stopped_ || link_) return;
    welcomed_ = false;
    Link* link = dial_(invitation_, this);
    link_ = link;
    connect(link, &Link::Opened, this, [this, link] {
        // The game is named too, so that a host whose game was replaced sends the new one whole.
        if (link == link_) link->Send(Message::HelloOf(invitation_.secret, std::max(welcome_.game, 0), LastEvent()));
    });
    connect(link, &Link::Received, this, [this, link](const Message& m) {
        if (link == link_) Receive(m);
    });
    connect(link, &Link::Ended, this, [this, link](LinkEnd why) { LinkEnded(link, why); });
}

void GameGuest::Receive(const Message& m) {
    using Type = Message::Type;
    switch (m.type) {
        case Type::Welcome:
            if (m.game != welcome_.game) record_.clear();
            welcome_ = m;
            welcomed_ = true;
            pauseMs_ = FirstPauseMs;
            emit Welcomed(m);
            return;
        case Type::Event:
            if (welcomed_) return Event(m.number, m.event);
            break;
        case Type::Chat: emit ChatHeard(m.seat, m.text); return;
        case Type::Refused:
            if (m.refusal == Refusal::BadSecret) return Stop(GuestEnd::BadSecret);
            emit Refused(m.refusal);
            return;
        case Type::SeatAway: emit SeatAway(m.seat); return;
        case Type::SeatBack: emit SeatBack(m.seat); return;
        case Type::Bye: return Stop(m.bye == ByeReason::GameOver ? GuestEnd::GameOver : GuestEnd::HostClosed);
        case Type::VersionMismatch:
            hostVersion_ = m.version;
            return Stop(GuestEnd::VersionMismatch);
        case Type::Hello:
        case Type::Throw:
        case Type::Move: break;
    }
    // A host that sends what no host sends, or events out of their place: dropped and asked
    // again from the last event held.
    link_->Abort();
}

void GameGuest::Event(int number, const RecordEvent& event) {
    if (number == 0) record_.clear();
    if (number < static_cast<int>(record_.size())) return;  // held already
    if (number != static_cast<int>(record_.size())) {
        link_->Abort();
        return;
    }
    record_.push_back(event);
    emit EventReceived(number, event);
}

void GameGuest::LinkEnded(Link* link, LinkEnd why) {
    link->deleteLater();
    if (link != link_) return;
    link_ = nullptr;
    welcomed_ = false;
    if (stopped_) return;
    if (why == LinkEnd::CertificateMismatch) return Stop(GuestEnd::CertificateMismatch);
    const int pause = pauseMs_;
    pauseMs_ = std::min(pauseMs_ * 2, LongestPauseMs);
    retry_.start(pause);
    emit Dropped(why, pause);
}

void GameGuest::Stop(GuestEnd why) {
    if (stopped_) return;
    stopped_ = true;
    retry_.stop();
    if (link_) link_->Close();
    emit Ended(why);
}

void GameGuest::Send(const Message& m) {
    if (Connected()) link_->Send(m);
}

void GameGuest::Throw() { Send(Message::Request(Message::Type::Throw)); }
void GameGuest::Move() { Send(Message::Request(Message::Type::Move)); }
void GameGuest::Chat(const QString& text) {
    if (!text.isEmpty() && IsPlainText(text, MaxChatChars)) Send(Message::ChatOf(Seat() == WatcherSeat ? ChatFromWatcher : Seat(), text));
}

}  // namespace vantry::net
