#pragma once

#include <QObject>
#include <QString>

#include <memory>

#include "engine.h"
#include "gameguest.h"

namespace vantry {
class Prompter;
}

namespace vantry::net {

// This copy's place at a game hosted on another computer: the board follows the host's record
// through the engine, the seat's throw and move go to the host, and why the game ended or
// could not be joined is told in words. The game stays on the board whatever happens, so it
// can be saved.
class GuestTable final : public QObject, public SeatRequests {
    Q_OBJECT
public:
    GuestTable(Engine& engine, Prompter& prompter, const Invitation& invitation, GameGuest::Dialer dial = {},
               QObject* parent = nullptr);
    ~GuestTable() override;

    // An invitation as a player pastes it, blanks around it allowed; no value when it is none.
    static std::optional<Invitation> Read(const QString& text);
    // What the player is told of a text that is no invitation.
    static QString NotAnInvitation();
    static QString EndText(GuestEnd why, int hostVersion);

    void Start() { guest_.Start(); }
    GameGuest& Guest() { return guest_; }

    void AskThrow() override { guest_.Throw(); }
    void AskMove(int) override { guest_.Move(); }

private:
    void Welcome(const Message& welcome);
    void Take(int number);
    void Follow(bool whole);

    Engine& engine_;
    Prompter& prompter_;
    GameGuest guest_;
    // The record is to be read whole once the events that came with a welcome are in.
    bool whole_ = false;
    bool wholeDue_ = false;
    bool followed_ = false;
    // The player was told the seat is held by another copy; again only after a welcome.
    bool toldInUse_ = false;
};

}  // namespace vantry::net
