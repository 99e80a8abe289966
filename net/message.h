#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <cstdint>

#include "gamerecord.h"
#include "tableplay.h"

namespace vantry::net {

// The protocol both copies speak; the first exchange names it and a copy of another version
// is told both and let go.
constexpr int ProtocolVersion = 1;
// No frame, whatever it carries, is read past this size.
constexpr int MaxFrameBytes = 64 * 1024;
constexpr int MaxChatChars = TablePlay::MaxChatChars;
// A player's name as the game keeps it, with room to spare.
constexpr int MaxNameChars = 64;
// Longer than any file name the file systems we run on allow.
constexpr int MaxFileNameChars = 255;
constexpr int SecretBytes = 16;

// The seat a welcome names for a copy that only watches, and the senders of a chat line that
// sit at no remote seat.
constexpr int WatcherSeat = -1;
constexpr int ChatFromHost = -1;
constexpr int ChatFromWatcher = -2;

// How a seat is played, as the guest's board shows it.
enum class SeatKind : std::uint8_t { HostPerson, Computer, RemotePerson };

// Why the host turned a request or a hello down. The UI words them.
enum class Refusal : std::uint8_t {
    BadSecret,
    SecretInUse,
    NotYourTurn,
    AlreadyThrown,
    NotThrown,
    WatchersCannotAct,
    BadChat,
    TooFast,
    HostFull,
    NotJoined,
};
constexpr int RefusalCount = 10;

enum class ByeReason : std::uint8_t { HostClosed, GameOver };
constexpr int ByeReasonCount = 2;

// One message of the protocol, either way. Only the fields of its type mean anything; the
// others keep their defaults so that two messages compare equal when they say the same.
struct Message {
    enum class Type : std::uint8_t {
        Hello,            // version, secret, game, number (the last event held, -1 for none)
        Welcome,          // seat, game, names, kinds; the record follows as events
        Event,            // number, event
        Throw,            // a remote seat asks to throw
        Move,             // a remote seat asks to move its counter
        Chat,             // seat (the sender, host to guest; ignored the other way), text
        Refused,          // refusal
        SeatAway,         // seat
        SeatBack,         // seat
        Bye,              // bye
        VersionMismatch,  // version (the host's), theirVersion (the guest's)
    };

    Type type = Type::Hello;
    int version = ProtocolVersion;
    int theirVersion = 0;
    QByteArray secret;
    // Counts the games the host has begun since it started hosting, so that a copy coming
    // back after the game was replaced is not given the new game's events from the middle.
    int game = 0;
    int number = -1;
    int seat = 0;
    std::array<QString, 4> names;
    std::array<SeatKind, 4> kinds{};
    RecordEvent event;
    QString text;
    Refusal refusal = Refusal::BadSecret;
    ByeReason bye = ByeReason::HostClosed;

    static Message HelloOf(const QByteArray& secret, int game, int lastEvent);
    static Message WelcomeOf(int seat, int game, const std::array<QString, 4>& names,
                             const std::array<SeatKind, 4>& kinds);
    static Message EventOf(int number, const RecordEvent& event);
    static Message Request(Type type);  // Throw or Move
    static Message ChatOf(int from, const QString& text);
    static Message RefusalOf(Refusal why);
    static Message SeatNotice(Type type, int seat);  // SeatAway or SeatBack
    static Message ByeOf(ByeReason why);
    static Message MismatchOf(int hostVersion, int guestVersion);

    bool operator==(const Message& other) const;
    bool operator!=(const Message& other) const { return !(*this == other); }
};

// Text a person may send or be shown as a name: plain characters only, no control or
// formatting characters (they could reorder or hide what is shown), no broken surrogates.
bool IsPlainText(const QString& text, int maxChars);

}  // namespace vantry::net
