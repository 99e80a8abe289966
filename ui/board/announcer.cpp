#include "board/announcer.h"

#include "seat/seatlook.h"

namespace vantry {

namespace {
// Names are the players' own text: every number goes in through the same single-pass arg(), so
// a name with "%2" in it is said as typed.
QString OneBased(int index) { return QString::number(index + 1); }
}  // namespace

QString Announcer::Line(const RecordEvent& e, const Seat& seat) {
    switch (e.kind) {
        case RecordEvent::Kind::NewGame: return tr("New game");
        case RecordEvent::Kind::Opened: return tr("Opened %1").arg(QString::fromStdString(e.fileName));
        case RecordEvent::Kind::Throw: return Throw(seat, e.face);
        case RecordEvent::Kind::Move: return Move(seat, e.Move(), e.fromStart);
        case RecordEvent::Kind::Turn: return Turn(seat);
        case RecordEvent::Kind::Win: return Win(seat, e.moves);
    }
    return {};
}

QString Announcer::Turn(const Seat& seat) {
    return seat.computer ? tr("%1's turn, computer").arg(seat.name) : tr("%1's turn").arg(seat.name);
}

QString Announcer::Throw(const Seat& seat, int face) { return tr("%1 throws %2").arg(seat.name, OneBased(face)); }

// A ladder or a snake is part of the move's phrase, so that the square a counter passed
// through is never heard as where it stands. Each phrase is a whole sentence of its own, so
// that every language can order it as its grammar wants.
QString Announcer::Move(const Seat& seat, const MoveReport& move, bool fromStart) {
    const QString from = OneBased(move.from), reached = OneBased(move.reached), to = OneBased(move.to);
    if (move.Ladder()) {
        //: %1 is a player's name; %2 the square the throw reached, the foot of a ladder; %3 its top.
        if (fromStart) return tr("%1 moves from the start to %2, ladder up to %3").arg(seat.name, reached, to);
        //: %1 is a player's name; %2 and %3 squares; %4 the top of the ladder on square %3.
        return tr("%1 moves from %2 to %3, ladder up to %4").arg(seat.name, from, reached, to);
    }
    if (move.Snake()) {
        //: %1 is a player's name; %2 the square the throw reached, a snake's head; %3 its tail.
        if (fromStart) return tr("%1 moves from the start to %2, snake down to %3").arg(seat.name, reached, to);
        //: %1 is a player's name; %2 and %3 squares; %4 the tail of the snake on square %3.
        return tr("%1 moves from %2 to %3, snake down to %4").arg(seat.name, from, reached, to);
    }
    //: %1 is a player's name; %2 a square of the board.
    if (fromStart) return tr("%1 moves from the start to %2").arg(seat.name, reached);
    //: %1 is a player's name; %2 and %3 squares of the board.
    return tr("%1 moves from %2 to %3").arg(seat.name, from, reached);
}

QString Announcer::Win(const Seat& seat, int moves) { return tr("%1 wins in %n moves", nullptr, moves).arg(seat.name); }

Announcer::Seat Announcer::SeatOf(const GameState& state, int seat) {
    if (seat < 0 || seat >= SeatCount) return {};
    const auto s = static_cast<std::size_t>(seat);
    QString name = QString::fromStdString(state.Names[s]);
    if (name.trimmed().isEmpty()) {
        name = SeatLook::ColourWord(seat);
        if (!name.isEmpty()) name[0] = name[0].toUpper();
    }
    return {name, state.IsComputer[s]};
}

QString Announcer::Board(const GameState& state) {
    QStringList phrases;
    for (int i = 0; i < SeatCount; ++i) {
        const Seat seat = SeatOf(state, i);
        //: Who plays a seat, said after its name and colour in the reading of the board.
        const QString computer = tr("computer");
        //: Who plays a seat, said after its name and colour: a human player, not "nobody".
        const QString person = tr("person");
        const QString kind = seat.computer ? computer : person;
        const int position = state.Position[static_cast<std::size_t>(i)];
        phrases << (state.AtStart(i) ? tr("%1, %2, %3, at the start").arg(seat.name, SeatLook::ColourWord(i), kind)
                                     : tr("%1, %2, %3, on square %4")
                                           .arg(seat.name, SeatLook::ColourWord(i), kind, OneBased(position)));
    }
    if (const int winner = state.Winner(); winner >= 0) {
        phrases << tr("%1 has won").arg(SeatOf(state, winner).name);
    } else if (state.CurrentPlayer >= 0 && state.CurrentPlayer < SeatCount) {
        phrases << Turn(SeatOf(state, state.CurrentPlayer));
    }
    return Joined(phrases);
}

QString Announcer::Joined(const QStringList& phrases) { return phrases.join(QStringLiteral(". ")); }

}  // namespace vantry
