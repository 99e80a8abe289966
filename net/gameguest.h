#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

#include "gamerecord.h"
#include "invitation.h"
#include "link.h"
#include "message.h"

namespace vantry::net {

// Why a guest stopped for good; the UI words them.
enum class GuestEnd : std::uint8_t {
    Left,                 // this copy left
    HostClosed,           // the host stopped hosting
    GameOver,             // the host ended the game
    VersionMismatch,      // the host speaks another protocol version
    BadSecret,            // the invitation opens nothing (any more)
    CertificateMismatch,  // the host is not the one the invitation names
};

// A remote copy's end of the game: joins with an invitation, keeps the events the host sends
// in their order and hands each on, and sends the requests of its seat. When the connection
// drops it tries again by itself, waiting longer each time, and asks for the events after the
// last one it holds, so none is lost or repeated.
class GameGuest final : public QObject {
    Q_OBJECT
public:
    using Dialer = std::function<Link*(const Invitation&, QObject* parent)>;
    static constexpr int FirstPauseMs = 500;
    static constexpr int LongestPauseMs = 15000;

    // `dial` makes the connections; the direct transport's when none is given.
    explicit GameGuest(Invitation invitation, Dialer dial = {}, QObject* parent = nullptr);
    ~GameGuest() override;

    void Start();
    void Leave();

    void Throw();
    void Move();
    void Chat(const QString& text);

    bool Connected() const { return link_ && link_->IsOpen() && welcomed_; }
    // The seat joined, or WatcherSeat.
    int Seat() const { return invitation_.seat; }
    // The host's last welcome: the seats' names and kinds and which game it is.
    const Message& Setup() const { return welcome_; }
    const GameRecord& Record() const { return record_; }
    int LastEvent() const { return static_cast<int>(record_.size()) - 1; }
    int NextPauseMs() const { return pauseMs_; }
    // The protocol version the host named when it turned this copy down for its version.
    int HostVersion() const { return hostVersion_; }

signals:
    void Welcomed(const vantry::net::Message& welcome);
    // `number` is the event's place in the host's record; 0 begins a new game.
    void EventReceived(int number, const vantry::RecordEvent& event);
    void ChatHeard(int from, const QString& text);
    void Refused(vantry::net::Refusal why);
    void SeatAway(int seat);
    void SeatBack(int seat);
    // The connection broke; another try follows after `pauseMs`.
    void Dropped(vantry::net::LinkEnd why, int pauseMs);
    void Ended(vantry::net::GuestEnd why);

private:
    void Dial();
    void Receive(const Message& m);
    void Event(int number, const RecordEvent& event);
    void LinkEnded(Link* link, LinkEnd why);
    void Stop(GuestEnd why);
    void Send(const Message& m);

    Invitation invitation_;
    Dialer dial_;
    Link* link_ = nullptr;
    QTimer retry_;
    Message welcome_;
    GameRecord record_;
    int pauseMs_ = FirstPauseMs;
    // Welcomed on the link of now: events before the welcome are no game of ours.
    bool welcomed_ = false;
    bool stopped_ = false;
    int hostVersion_ = ProtocolVersion;
};

}  // namespace vantry::net
