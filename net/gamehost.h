#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QObject>

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "gamerecord.h"
#include "message.h"
#include "tokenbucket.h"

namespace vantry {
class Engine;
}

namespace vantry::net {

class Link;
class LinkServer;

// The host's referee: the host's engine plays the game, and this lets remote copies in by the
// secrets of their invitations, sends them every event of the record, numbered by its place
// in the record, and turns their requests into the engine's throw and move when the rules and
// the seat allow them. Anything else a copy asks is refused and leaves the game as it was;
// anything a copy sends that is no proper message costs it the connection. It follows the
// engine's record, so it must not outlive the engine.
class GameHost final : public QObject, public RecordFollower {
    Q_OBJECT
public:
    static constexpr int MaxWatchers = 16;
    // A connection that has not said hello by then is let go.
    static constexpr int HelloMs = 10000;
    // How long a seat's player may be away before the UI offers the seat to the computer.
    static constexpr int AwayOfferSeconds = 60;

    explicit GameHost(Engine& engine, LinkServer& server, QObject* parent = nullptr);
    ~GameHost() override;
    // Takes the copies of one more transport too: a game may have them from several at once.
    void Listen(LinkServer& server);
    // The secret of a seat or watcher offered now whose key id is `keyId`, or empty.
    QByteArray SecretOf(const QByteArray& keyId) const;

    // The secret of the invitation to a remote seat. Asked again, the seat is taken back: a new
    // secret, the old one opens nothing and its copy is let go.
    QByteArray OfferSeat(int seat);
    QByteArray TakeSeatBack(int seat) { return OfferSeat(seat); }
    // The seat is played on this computer again.
    void CloseSeat(int seat);
    // The secret of one more watcher's invitation; empty once MaxWatchers have one.
    QByteArray AddWatcher();

    bool Joined(int seat) const;
    // When the seat's copy went, while it is away.
    std::optional<QDateTime> AwaySince(int seat) const;
    int Game() const { return game_; }

    void Chat(const QString& text);
    // Tells every copy why and lets them go; nothing more is sent after it.
    void Close(ByeReason why);

    void Recorded(const GameRecord& record, bool restarted) override;

signals:
    void SeatAway(int seat, const QDateTime& since);
    void SeatBack(int seat);
    void ChatHeard(int from, const QString& text);
    // A watcher came or went; `watching` is how many watch now.
    void WatcherCame(int watching);
    void WatcherWent(int watching);

private:
    struct Peer {
        bool joined = false;
        int seat = WatcherSeat;
    };
    struct Key {
        QByteArray secret;
        Link* holder = nullptr;
        // A few lines of chat at once, then one a second.
        TokenBucket chat{3, 1};
    };

    void Arrive(Link* link);
    void Receive(Link* link, const Message& m);
    void Hello(Link* link, Peer& peer, const Message& m);
    void Request(Link* link, const Peer& peer, Message::Type type);
    void PeerChat(Link* link, Peer& peer, const QString& text);
    void Leave(Link* link);
    void SendGame(Link* link, int seat, int after);
    void Broadcast(const Message& m);
    void Refuse(Link* link, Refusal why, bool drop);
    // The key a secret opens, or null.
    Key* Open(const QByteArray& secret);
    std::array<SeatKind, 4> Kinds() const;
    int Watching() const;

    Engine& engine_;
    std::array<Key, 4> seats_;
    std::vector<Key> watchers_;
    std::array<std::optional<QDateTime>, 4> away_;
    std::map<Link*, Peer> peers_;
    QElapsedTimer clock_;
    int game_ = 0;
    bool closed_ = false;
};

}  // namespace vantry::net
