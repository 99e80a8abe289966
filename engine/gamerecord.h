#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "arrangecounters.h"

namespace vantry {

struct GameState;

// What one move did, in 0-based positions: where the counter stood, the square the throw took
// it to (never past the last square), and where it came to rest after a ladder or a snake.
// `moves` is the seat's move count after the move.
struct MoveReport {
    int seat = 0;
    int from = 0;
    int reached = 0;
    int to = 0;
    int moves = 0;

    bool Ladder() const { return to > reached; }
    bool Snake() const { return to < reached; }
};

// One thing that happened in the game on the board, as the engine told it.
struct RecordEvent {
    enum class Kind : std::uint8_t { NewGame, Opened, Throw, Move, Turn, Win };

    Kind kind = Kind::NewGame;
    // The seat that threw, moved or won, or the seat the turn passed to.
    std::int8_t seat = 0;
    // A throw's face, 0..5.
    std::int8_t face = 0;
    // A move that began beside the board, before the seat's first move of a new game.
    bool fromStart = false;
    // A move in 0-based positions, and the seat's move count after it (a win's count too).
    std::int16_t from = 0;
    std::int16_t reached = 0;
    std::int16_t to = 0;
    std::int16_t moves = 0;
    // A new or opened game: every seat's square and move count, and the seat on turn.
    std::array<std::int16_t, 4> positions{};
    std::array<std::int16_t, 4> moveCounts{};
    std::int16_t current = 0;
    // An opened game: the file's name without its folder.
    std::string fileName;
    // The counters whose places this event set (bit i for seat i), and where all four stand
    // after it, in twips: a move's counter and those it met, which stepped aside with it. Places
    // are the drawing's, not the game's: a saved record does not keep them, and two records are
    // equal without them.
    std::uint8_t placed = 0;
    std::array<CounterPlace, 4> places{};
    // A turn passed in a won game: nobody plays on, so no follower shows it.
    bool quiet = false;

    MoveReport Move() const { return MoveReport{seat, from, reached, to, moves}; }
    bool StartsGame() const { return kind == Kind::NewGame || kind == Kind::Opened; }
    // A game begun or opened with a counter already on the last square: won before it began.
    bool StartsWon() const;
    bool Placed(int seat) const { return (placed >> seat & 1) != 0; }

    static RecordEvent ThrowOf(int seat, int face);
    static RecordEvent MoveOf(const MoveReport& move, bool fromStart);
    static RecordEvent TurnOf(int seat);
    static RecordEvent WinOf(int seat, int moves);
    // The game as it stands in `state`, every counter's place with it: a new game, or one opened
    // from `fileName`.
    static RecordEvent StartOf(const GameState& state, Kind kind, std::string fileName = {});

    bool operator==(const RecordEvent& other) const;
};

// Every event of the game on the board, in order, beginning with the new or opened game. It
// lives in the game state as plain data; the engine fills it and tells its followers.
using GameRecord = std::vector<RecordEvent>;

// Hears the record grow. Every follower is told before the game's listener (the board) hears
// the same event, so that what a follower keeps (the players' statistics, the log) is there
// before the win's windows open.
class RecordFollower {
public:
    virtual ~RecordFollower() = default;
    // `restarted`: the record was begun anew (a new or opened game) and is to be read whole;
    // otherwise one event was added at its end.
    virtual void Recorded(const GameRecord& record, bool restarted) = 0;
};

// The one rule of what a win hides: the turns that pass in a game begun or opened with a
// counter on the last square, or finished by a win, are quiet. The engine marks each event it
// records, and a saved record's reader the events it reads.
class WinWatch {
public:
    void Mark(RecordEvent& e);

private:
    bool won_ = false;
};

// Where the seats stand once a record has been played through.
struct RecordOutcome {
    std::array<std::int16_t, 4> positions{};
    std::array<std::int16_t, 4> moveCounts{};
    std::int16_t current = 0;
};

// True when the record is a game the rules can have played, from its first event (a new or an
// opened game) to its last, and it leaves the seats where `outcome` has them: every throw by
// the seat on turn, every move of that seat from its square by a throw to where the board's
// ladders and snakes take it and counted once, turns passing in seat order, a win only on the
// last square, and a later opened game finding the seats as the record left them.
bool RecordLeadsTo(const GameRecord& record, const RecordOutcome& outcome);

// What one seat did in a record: the ladders it climbed and the snakes it met.
struct SeatTally {
    int ladders = 0;
    int snakes = 0;
};
std::array<SeatTally, 4> TallyOf(const GameRecord& record);

// True when the record's last event is a win that finishes the game: the first win of the
// record, in a game that was not begun or opened with a counter already on the last square.
bool FinishesGame(const GameRecord& record);

}  // namespace vantry
