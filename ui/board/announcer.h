#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

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

    // A seat as the board reading tells it. A counter is at the start while it waits beside
    // the board, before its first move.
    struct SeatPlace {
        Seat seat;
        int position = 0;
        bool atStart = true;
    };

    // The words of one event of the record, the same in the game log and aloud.
    static QString Line(const RecordEvent& event, const Seat& seat);

    static QString Turn(const Seat& seat);
    // `face` is the die's face index 0..5, as the engine reports it.
    static QString Throw(const Seat& seat, int face);
    static QString Move(const Seat& seat, const MoveReport& move, bool fromStart);
    static QString Win(const Seat& seat, int moves);
    static QString NewGame();
    static QString Opened(const QString& fileName);
    // Every seat's name, colour, kind and square, then whose turn it is or who has won
    // (`winner` -1 while the race is on).
    static QString Board(const std::array<SeatPlace, SeatCount>& seats, int current, int winner);

    // What a seat is called aloud: its name, or for a name left blank its colour.
    static Seat SeatOf(const GameState& state, int seat);

    // Phrases said together become one utterance.
    static QString Joined(const QStringList& phrases);
};

}  // namespace vantry
