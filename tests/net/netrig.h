#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "directserver.h"
#include "engine.h"
#include "gameguest.h"
#include "gamehost.h"
#include "hostidentity.h"
#include "invitation.h"
#include "recordinglistener.h"

namespace vantry::net::test {

// Runs the event loop for a while, for checks that something did not happen.
inline void Settle(int ms = 300) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs the event loop until `done` holds or a deadline far past any healthy run passes; the
// result says which, so a test asserts on what happened, never on how long it took.
inline bool WaitFor(const std::function<bool()>& done, int deadlineMs = 30000) {
    QDeadlineTimer deadline(deadlineMs);
    while (!done() && !deadline.hasExpired()) Settle(2);
    return done();
}


// A host on 127.0.0.1: a real engine with a scripted die, the direct server and the referee.
struct HostRig {
    explicit HostRig(std::vector<float> draws = {vantry::test::ScriptedRandom::For(6)}) : random(std::move(draws)) {
        engine.ResetBoard();
        listening = server.Listen();
    }

    Invitation Invite(int seat) {
        Invitation in;
        in.address = QHostAddress(QHostAddress::LocalHost);
        in.port = server.Port();
        in.fingerprint = identity.Fingerprint();
        in.seat = seat;
        in.secret = seat == Invitation::Watch ? host.AddWatcher() : host.OfferSeat(seat);
        return in;
    }

    // One step of a computer seat, as the turn cycle's timers would make it; false when the
    // seat on turn is not the computer's.
    bool PlayComputer() {
        if (!state.IsComputer[static_cast<std::size_t>(state.CurrentPlayer)]) return false;
        if (state.TurnPhase() == Phase::AwaitingThrow) {
            engine.timPlay_Timer();
        } else {
            engine.timGo_Timer();
        }
        return true;
    }

    GameState state;
    vantry::test::ScriptedRandom random;
    Engine engine{state, random};
    HostIdentity identity = HostIdentity::Make().value();
    DirectServer server{identity};
    GameHost host{engine, server};
    bool listening = false;
};

// A guest and what it heard.
struct GuestRig {
    explicit GuestRig(const Invitation& invitation, GameGuest::Dialer dial = {})
        : guest(std::make_unique<GameGuest>(invitation, std::move(dial))) {
        QObject::connect(guest.get(), &GameGuest::EventReceived, [this](int n, const RecordEvent&) { numbers.push_back(n); });
        QObject::connect(guest.get(), &GameGuest::Refused, [this](Refusal why) { refusals.push_back(why); });
        QObject::connect(guest.get(), &GameGuest::Ended, [this](GuestEnd why) { ended = why; });
        QObject::connect(guest.get(), &GameGuest::Dropped, [this](LinkEnd, int) { ++drops; });
        QObject::connect(guest.get(), &GameGuest::ChatHeard, [this](int from, const QString& text) {
            chats.push_back(QString::number(from) + QLatin1Char(' ') + text);
        });
        guest->Start();
    }

    bool HoldsAll(const GameState& host) const { return guest->Record() == host.Record; }

    std::unique_ptr<GameGuest> guest;
    std::vector<int> numbers;
    std::vector<Refusal> refusals;
    std::vector<QString> chats;
    std::optional<GuestEnd> ended;
    int drops = 0;
};

// Plays until a seat wins: the host's computer seats by their timers' steps, each remote seat
// by its guest's requests, sent once the guest holds every event so far (as a player would
// act on what their board shows) and sent again once a guest that lost its connection is back.
// `step` runs between the steps, for a test to break something mid-game.
inline bool PlayOut(HostRig& rig, std::map<int, GuestRig*> remote, const std::function<void()>& step = {}) {
    std::map<int, std::pair<std::size_t, int>> askedAt;
    return WaitFor([&] {
        if (step) step();
        if (rig.state.TurnPhase() == Phase::Won) return true;
        if (rig.PlayComputer()) return false;
        const int seat = rig.state.CurrentPlayer;
        GuestRig* g = remote.at(seat);
        const std::pair<std::size_t, int> now{rig.state.Record.size(), g->drops};
        if (g->guest->Connected() && g->guest->Record().size() == now.first && askedAt[seat] != now) {
            askedAt[seat] = now;
            rig.state.TurnPhase() == Phase::AwaitingThrow ? g->guest->Throw() : g->guest->Move();
        }
        return false;
    }, 120000);
}

}  // namespace vantry::net::test
