#include "guesttable.h"

#include <QCoreApplication>
#include <QTimer>

#include "prompter.h"

namespace vantry::net {

GuestTable::GuestTable(Engine& engine, Prompter& prompter, const Invitation& invitation, GameGuest::Dialer dial,
                       QObject* parent)
    : QObject(parent), engine_(engine), prompter_(prompter), guest_(invitation, std::move(dial), this) {
    engine_.SetRequests(this);
    connect(&guest_, &GameGuest::Welcomed, this, &GuestTable::Welcome);
    connect(&guest_, &GameGuest::Welcomed, this, [this] { toldInUse_ = false; });
    connect(&guest_, &GameGuest::EventReceived, this, [this](int number, const RecordEvent&) { Take(number); });
    connect(&guest_, &GameGuest::Ended, this, [this](GuestEnd why) {
        const QString text = EndText(why, guest_.HostVersion());
        if (!text.isEmpty()) prompter_.Message(text);
    });
    // The guest tries again by itself while the seat is held (a copy killed a moment ago may hold it
    // until the host notices it has gone); the player is told once, not at every try.
    connect(&guest_, &GameGuest::Refused, this, [this](Refusal why) {
        if (why == Refusal::SecretInUse && !toldInUse_) {
            toldInUse_ = true;
            prompter_.Message(
                QCoreApplication::translate("GuestTable", "This seat is already played from another computer."));
        }
        if (why == Refusal::HostFull)
            prompter_.Message(
                QCoreApplication::translate("GuestTable", "The host has no room for another player or watcher."));
    });
}

GuestTable::~GuestTable() { engine_.SetRequests(nullptr); }

std::optional<Invitation> GuestTable::Read(const QString& text) { return Invitation::Parse(text.trimmed()); }

QString GuestTable::NotAnInvitation() {
    return QCoreApplication::translate(
        "GuestTable",
        "This is not an invitation to a game. An invitation begins with vantry:// and works only when it is "
        "copied whole, without a character changed.");
}

QString GuestTable::EndText(GuestEnd why, int hostVersion) {
    switch (why) {
        case GuestEnd::Left:
            return {};
        case GuestEnd::HostClosed:
            return QCoreApplication::translate(
                "GuestTable",
                "The host has stopped hosting the game. The game stays on the board, and you can save it.");
        case GuestEnd::GameOver:
            return QCoreApplication::translate(
                "GuestTable", "The host has ended the game. The game stays on the board, and you can save it.");
        case GuestEnd::VersionMismatch:
            //: %1 and %2 are version numbers of the way two copies of the game talk over the network.
            return QCoreApplication::translate(
                       "GuestTable",
                       "The host speaks version %1 of the game's network protocol and this copy speaks version %2, so "
                       "they cannot play together. Both players need the same version of the game.")
                .arg(hostVersion)
                .arg(ProtocolVersion);
        case GuestEnd::BadSecret:
            return QCoreApplication::translate(
                "GuestTable",
                "The invitation opens no seat of this game: it was changed, or the host has taken the seat "
                "back. Ask the host for a new invitation.");
        case GuestEnd::CertificateMismatch:
            return QCoreApplication::translate(
                "GuestTable",
                "The computer that answered is not the host that sent the invitation, so this copy did not "
                "join.");
    }
    return {};
}

// The seats as the host has them; only this copy's own seat takes input here.
void GuestTable::Welcome(const Message& welcome) {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const auto s = static_cast<std::size_t>(seat);
        engine_.SetSeat(seat, welcome.kinds[s] == SeatKind::Computer, welcome.names[s].toStdString());
        engine_.SetRemote(seat, seat != guest_.Seat());
    }
    // A new game, or one this copy has not seen, is read whole; one it comes back to goes on.
    whole_ = guest_.Record().empty();
}

void GuestTable::Take(int number) {
    // A game begun or opened here has left the host's.
    if (followed_ && !engine_.Following()) return guest_.Leave();
    if (number == 0) whole_ = true;
    if (!whole_) return Follow(false);
    // The events that come with a welcome arrive together; the record is read once they are in.
    if (wholeDue_) return;
    wholeDue_ = true;
    QTimer::singleShot(0, this, [this] {
        wholeDue_ = false;
        whole_ = false;
        Follow(true);
    });
}

void GuestTable::Follow(bool whole) {
    engine_.Follow(guest_.Record(), whole);
    followed_ = true;
}

}  // namespace vantry::net
