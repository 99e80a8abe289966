#include "gamehost.h"

#include <algorithm>

#include <QTimer>

#include "engine.h"
#include "invitation.h"
#include "link.h"
#include "linkserver.h"
#include "seal.h"

namespace vantry::net {

namespace {

bool IsSeat(int seat) { return seat >= 0 && seat < SeatCount; }

// A name or a file name the guests' decoders would refuse is replaced, never sent: it would
// cost every copy its connection, again at each return.
QString SendableName(const std::string& name, int seat) {
    const QString text = QString::fromStdString(name);
    return IsPlainText(text, MaxNameChars) ? text : QStringLiteral("Unknown%1").arg(seat + 1);
}

RecordEvent Sendable(RecordEvent e) {
    if (!IsPlainText(QString::fromStdString(e.fileName), MaxFileNameChars)) e.fileName.clear();
    return e;
}

}  // namespace

GameHost::GameHost(Engine& engine, LinkServer& server, QObject* parent) : QObject(parent), engine_(engine) {
    clock_.start();
    engine_.AddRecordFollower(this);
    Listen(server);
}

void GameHost::Listen(LinkServer& server) { connect(&server, &LinkServer::Arrived, this, &GameHost::Arrive); }

QByteArray GameHost::SecretOf(const QByteArray& keyId) const {
    const auto opens = [&keyId](const Key& key) { return !key.secret.isEmpty() && SameSecret(KeyIdOf(key.secret), keyId); };
    for (const Key& key : seats_) {
        if (opens(key)) return key.secret;
    }
    for (const Key& key : watchers_) {
        if (opens(key)) return key.secret;
    }
    return {};
}

GameHost::~GameHost() {
    engine_.RemoveRecordFollower(this);
    Close(ByeReason::HostClosed);
}

QByteArray GameHost::OfferSeat(int seat) {
    if (!IsSeat(seat)) return {};
    // The old copy is let go after the key changed hands, so it does not count as away.
    Key& key = seats_[static_cast<std::size_t>(seat)];
    Link* old = key.holder;
    key = Key{NewSecret(), nullptr};
    away_[static_cast<std::size_t>(seat)].reset();
    if (old) old->Close();
    return key.secret;
}

void GameHost::CloseSeat(int seat) {
    if (!IsSeat(seat)) return;
    Key& key = seats_[static_cast<std::size_t>(seat)];
    Link* old = key.holder;
    key = Key{};
    away_[static_cast<std::size_t>(seat)].reset();
    if (old) old->Close();
}

QByteArray GameHost::AddWatcher() {
    if (static_cast<int>(watchers_.size()) >= MaxWatchers) return {};
    watchers_.push_back(Key{NewSecret(), nullptr});
    return watchers_.back().secret;
}

bool GameHost::Joined(int seat) const { return IsSeat(seat) && seats_[static_cast<std::size_t>(seat)].holder; }

std::optional<QDateTime> GameHost::AwaySince(int seat) const {
    return IsSeat(seat) ? away_[static_cast<std::size_t>(seat)] : std::nullopt;
}

void GameHost::Arrive(Link* link) {
    if (closed_) {
        link->Abort();
        link->deleteLater();
        return;
    }
    peers_[link] = Peer{};
    connect(link, &Link::Received, this, [this, link](const Message& m) { Receive(link, m); });
    // Heard later, so that a link ending while a message goes round leaves the peers as they were.
    connect(
        link, &Link::Ended, this,
        [this, link] {
            Leave(link);
            link->deleteLater();
        },
        Qt::QueuedConnection);
    connect(link, &QObject::destroyed, this, [this, link] { Leave(link); });
    QTimer::singleShot(HelloMs, link, [this, link] {
        const auto it = peers_.find(link);
        if (it != peers_.end() && !it->second.joined) link->Abort();
    });
}

void GameHost::Receive(Link* link, const Message& m) {
    const auto it = peers_.find(link);
    if (it == peers_.end()) return;
    Peer& peer = it->second;
    if (m.type == Message::Type::Hello && !peer.joined) {
        Hello(link, peer, m);
    } else if (!peer.joined) {
        Refuse(link, Refusal::NotJoined, true);
    } else if (m.type == Message::Type::Throw || m.type == Message::Type::Move) {
        Request(link, peer, m.type);
    } else if (m.type == Message::Type::Chat) {
        PeerChat(link, peer, m.text);
    } else {
        // Nothing else is a guest's to send: a copy that does is not one of ours.
        link->Abort();
    }
}

GameHost::Key* GameHost::Open(const QByteArray& secret) {
    for (Key& key : seats_) {
        if (!key.secret.isEmpty() && SameSecret(key.secret, secret)) return &key;
    }
    for (Key& key : watchers_) {
        if (SameSecret(key.secret, secret)) return &key;
    }
    return nullptr;
}

void GameHost::Hello(Link* link, Peer& peer, const Message& m) {
    if (m.version != ProtocolVersion) {
        link->Send(Message::MismatchOf(ProtocolVersion, m.version));
        link->Close();
        return;
    }
    Key* key = Open(m.secret);
    if (!key) return Refuse(link, Refusal::BadSecret, true);
    if (key->holder) return Refuse(link, Refusal::SecretInUse, true);
    key->holder = link;
    peer.joined = true;
    const auto seat = key - seats_.data();
    peer.seat = seat >= 0 && seat < SeatCount ? static_cast<int>(seat) : WatcherSeat;

    const GameRecord& record = engine_.State().Record;
    const bool known = m.game == game_ && m.number < static_cast<long long>(record.size());
    SendGame(link, peer.seat, known ? m.number : -1);
    if (!IsSeat(peer.seat)) emit WatcherCame(Watching());
    if (IsSeat(peer.seat) && away_[static_cast<std::size_t>(peer.seat)]) {
        away_[static_cast<std::size_t>(peer.seat)].reset();
        Broadcast(Message::SeatNotice(Message::Type::SeatBack, peer.seat));
        emit SeatBack(peer.seat);
    }
}

int GameHost::Watching() const {
    return static_cast<int>(std::count_if(watchers_.begin(), watchers_.end(), [](const Key& k) { return k.holder; }));
}

std::array<SeatKind, 4> GameHost::Kinds() const {
    std::array<SeatKind, 4> kinds{};
    for (std::size_t s = 0; s < SeatCount; ++s) {
        // A remote seat handed to the computer while its player is away plays as the computer.
        kinds[s] = engine_.State().IsComputer[s] ? SeatKind::Computer
                   : !seats_[s].secret.isEmpty() ? SeatKind::RemotePerson
                                                 : SeatKind::HostPerson;
    }
    return kinds;
}

void GameHost::SendGame(Link* link, int seat, int after) {
    const GameState& state = engine_.State();
    std::array<QString, 4> names;
    for (int s = 0; s < SeatCount; ++s) names[static_cast<std::size_t>(s)] = SendableName(state.Names[static_cast<std::size_t>(s)], s);
    link->Send(Message::WelcomeOf(seat, game_, names, Kinds()));
    for (std::size_t n = static_cast<std::size_t>(after + 1); n < state.Record.size(); ++n) {
        link->Send(Message::EventOf(static_cast<int>(n), Sendable(state.Record[n])));
    }
    for (int s = 0; s < SeatCount; ++s) {
        if (away_[static_cast<std::size_t>(s)]) link->Send(Message::SeatNotice(Message::Type::SeatAway, s));
    }
}

void GameHost::Request(Link* link, const Peer& peer, Message::Type type) {
    if (!IsSeat(peer.seat)) return Refuse(link, Refusal::WatchersCannotAct, false);
    const GameState& state = engine_.State();
    const auto s = static_cast<std::size_t>(peer.seat);
    const bool remote = seats_[s].holder == link && !state.IsComputer[s];
    if (!remote || state.CurrentPlayer != peer.seat || state.TurnPhase() == Phase::Won || engine_.MoveInProgress()) {
        return Refuse(link, Refusal::NotYourTurn, false);
    }
    if (type == Message::Type::Throw) {
        if (state.TurnPhase() != Phase::AwaitingThrow || !state.FaceEnabled) {
            return Refuse(link, Refusal::AlreadyThrown, false);
        }
        engine_.Throw();
    } else {
        if (state.TurnPhase() != Phase::AwaitingMove || !state.CounterEnabled[s]) {
            return Refuse(link, Refusal::NotThrown, false);
        }
        engine_.picM_Click(static_cast<std::int16_t>(peer.seat));
    }
}

// The pace of chat goes with the invitation, so a copy that comes back again and again gets no
// fresh burst each time.
void GameHost::PeerChat(Link* link, Peer& peer, const QString& text) {
    Key* key = IsSeat(peer.seat) ? &seats_[static_cast<std::size_t>(peer.seat)] : nullptr;
    for (Key& k : watchers_) {
        if (k.holder == link) key = &k;
    }
    if (!key || key->holder != link || !key->chat.Take(clock_.elapsed())) return Refuse(link, Refusal::TooFast, false);
    const int from = IsSeat(peer.seat) ? peer.seat : ChatFromWatcher;
    Broadcast(Message::ChatOf(from, text));
    emit ChatHeard(from, text);
}

void GameHost::Chat(const QString& text) {
    if (text.isEmpty() || !IsPlainText(text, MaxChatChars)) return;
    Broadcast(Message::ChatOf(ChatFromHost, text));
}

void GameHost::Leave(Link* link) {
    const auto it = peers_.find(link);
    if (it == peers_.end()) return;
    const int seat = it->second.seat;
    const bool joined = it->second.joined;
    peers_.erase(it);
    for (Key& key : watchers_) {
        if (key.holder != link) continue;
        key.holder = nullptr;
        if (!closed_) emit WatcherWent(Watching());
    }
    if (!joined || !IsSeat(seat) || seats_[static_cast<std::size_t>(seat)].holder != link) return;
    seats_[static_cast<std::size_t>(seat)].holder = nullptr;
    if (closed_) return;
    const QDateTime since = QDateTime::currentDateTimeUtc();
    away_[static_cast<std::size_t>(seat)] = since;
    Broadcast(Message::SeatNotice(Message::Type::SeatAway, seat));
    emit SeatAway(seat, since);
}

void GameHost::Recorded(const GameRecord& record, bool restarted) {
    if (closed_ || record.empty()) return;
    if (restarted) {
        ++game_;
        for (auto& [link, peer] : peers_) {
            if (peer.joined) SendGame(link, peer.seat, -1);
        }
        return;
    }
    Broadcast(Message::EventOf(static_cast<int>(record.size() - 1), Sendable(record.back())));
}

void GameHost::Broadcast(const Message& m) {
    for (auto& [link, peer] : peers_) {
        if (peer.joined) link->Send(m);
    }
}

void GameHost::Refuse(Link* link, Refusal why, bool drop) {
    link->Send(Message::RefusalOf(why));
    if (drop) link->Close();
}

void GameHost::Close(ByeReason why) {
    if (closed_) return;
    closed_ = true;
    // Closing a link ends it, which takes it out of the map: the map is copied first.
    std::vector<Link*> links;
    for (auto& [link, peer] : peers_) links.push_back(link);
    for (Link* link : links) {
        link->Send(Message::ByeOf(why));
        link->Close();
    }
}

}  // namespace vantry::net
