#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include "gamerecord.h"
#include "gamestate.h"

namespace vantry {

// The words a screen reader says for what happens on the board: turns, throws, moves, a win,
// a new or opened game, and the reading of the whole board on demand. Only text; whoever
// shows it decides when (BoardAnnouncements). Squares are the numbers on the board.
class Announcer {
    Q_DECLARE_TR_FUNCTIONS(Announcer)

public:
    // What is said of a seat: its name as on the board and who plays it.
    struct Seat {
        QString name;
        bool computer = false;
    };

    // The words of one event of the record, the same in the game log and aloud.
    static QString Line(const RecordEvent& event, const Seat& seat);

    static QString Turn(const Seat& seat);
    // `face` is the die's face index 0..5, as the engine reports it.
    static QString Throw(const Seat& seat, int face);
    static QString Move(const Seat& seat, const MoveReport& move, bool fromStart);
    static QString Win(const Seat& seat, int moves);
    // Every seat's name, colour, kind and square (or the start, where a counter waits beside the
    // board before its first move), then whose turn it is or who has won.
    static QString Board(const GameState& state);

    // What a seat is called aloud: its name, or for a name left blank its colour.
    static Seat SeatOf(const GameState& state, int seat);

    // Phrases said together become one utterance.
    static QString Joined(const QStringList& phrases);
};

}  // namespace vantry
