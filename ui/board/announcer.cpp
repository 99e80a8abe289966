#include "announcer.h"

namespace vantry {

namespace {
const std::array<const char*, SeatCount> ColourWords{QT_TRANSLATE_NOOP("Announcer", "red"),
                                                     QT_TRANSLATE_NOOP("Announcer", "blue"),
                                                     QT_TRANSLATE_NOOP("Announcer", "yellow"),
                                                     QT_TRANSLATE_NOOP("Announcer", "green")};

// Names are the players' own text: every number goes in through the same single-pass arg(), so
// a name with "%2" in it is said as typed.
QString OneBased(int index) { return QString::number(index + 1); }
}  // namespace

QString Announcer::Turn(const Seat& seat) {
    return seat.computer ? tr("%1's turn, computer").arg(seat.name) : tr("%1's turn").arg(seat.name);
}

QString Announcer::Throw(const Seat& seat, int face) { return tr("%1 throws %2").arg(seat.name, OneBased(face)); }

// A ladder or a snake is part of the move's phrase, so that the square a counter passed
// through is never heard as where it stands.
QString Announcer::Move(const Seat& seat, const MoveReport& move, bool fromStart) {
    QString phrase = fromStart ? tr("%1 moves from the start to %2").arg(seat.name, OneBased(move.reached))
                               : tr("%1 moves from %2 to %3").arg(seat.name, OneBased(move.from), OneBased(move.reached));
    if (move.to > move.reached) phrase = tr("%1, ladder up to %2").arg(phrase, OneBased(move.to));
    if (move.to < move.reached) phrase = tr("%1, snake down to %2").arg(phrase, OneBased(move.to));
    return phrase;
}

QString Announcer::Win(const Seat& seat, int moves) { return tr("%1 wins in %n moves", nullptr, moves).arg(seat.name); }

QString Announcer::NewGame() { return tr("New game"); }

QString Announcer::Opened(const QString& fileName) { return tr("Opened %1").arg(fileName); }

QString Announcer::Colour(int seat) {
    if (seat < 0 || seat >= SeatCount) return QString();
    return tr(ColourWords[static_cast<std::size_t>(seat)]);
}

Announcer::Seat Announcer::SeatOf(const GameState& state, int seat) {
    if (seat < 0 || seat >= SeatCount) return {};
    const auto s = static_cast<std::size_t>(seat);
    QString name = QString::fromStdString(state.Names[s]);
    if (name.trimmed().isEmpty()) {
        name = Colour(seat);
        if (!name.isEmpty()) name[0] = name[0].toUpper();
    }
    return {name, state.IsComputer[s]};
}

QString Announcer::Board(const std::array<SeatPlace, SeatCount>& seats, int current, int winner) {
    QStringList phrases;
    for (int i = 0; i < SeatCount; ++i) {
        const SeatPlace& place = seats[static_cast<std::size_t>(i)];
        const QString kind = place.seat.computer ? tr("computer") : tr("person");
        phrases << (place.atStart ? tr("%1, %2, %3, at the start").arg(place.seat.name, Colour(i), kind)
                                  : tr("%1, %2, %3, on square %4")
                                        .arg(place.seat.name, Colour(i), kind, OneBased(place.position)));
    }
    if (winner >= 0 && winner < SeatCount) {
        phrases << tr("%1 has won").arg(seats[static_cast<std::size_t>(winner)].seat.name);
    } else if (current >= 0 && current < SeatCount) {
        phrases << Turn(seats[static_cast<std::size_t>(current)].seat);
    }
    return Joined(phrases);
}

QString Announcer::Joined(const QStringList& phrases) { return phrases.join(QStringLiteral(". ")); }

}  // namespace vantry
