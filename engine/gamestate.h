#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "boardgeometry.h"
#include "gamerecord.h"

namespace vantry {

constexpr int SeatCount = 4;

// Position 99 is square 100, the goal.
constexpr std::int16_t FinalPosition = 99;

// The die's faces picToss(0..5) show one to six pips; face 6 is the start face reading "Click".
constexpr int StartFace = 6;

enum class GameTimer { timPlay, timGo, Timer1 };

// Where a turn stands: waiting for the throw, waiting for the move, or over because a seat won.
enum class Phase { AwaitingThrow, AwaitingMove, Won };

struct Jump {
    std::int16_t from;
    std::int16_t to;
};

// Applied in this order by the move; no "from" occurs twice and no "to" is a "from".
inline constexpr std::array<Jump, 9> LadderTable{{
    {2, 17}, {7, 27}, {15, 35}, {42, 57}, {31, 48}, {64, 95}, {67, 72}, {78, 81}, {45, 65},
}};

inline constexpr std::array<Jump, 7> SnakeTable{{
    {23, 5}, {47, 13}, {56, 21}, {68, 46}, {82, 36}, {94, 72}, {98, 61},
}};

// The one game of the run, owned by the application and handed around by reference. It holds
// everything the board shows: the windows draw it and never read it back from a widget. Names
// and the file are UTF-8; counter places are single-precision twips, which the stacking rule
// compares exactly.
struct GameState {
    std::int16_t CurrentPlayer = 0;
    std::array<std::int16_t, SeatCount> Position{};
    std::array<std::int16_t, SeatCount> MoveCount{};
    std::array<bool, SeatCount> IsComputer{};
    // Seats played from another computer: this copy's keyboard and mouse do not act for them.
    // Not part of a saved game, where such a seat is a person's.
    std::array<bool, SeatCount> Remote{};
    // Remote seats whose computer has lost its connection, until it is back.
    std::array<bool, SeatCount> Away{};
    // The captions of the name labels txtName(0..3). "Unknown1".."Unknown4" are design names,
    // the same in every language.
    std::array<std::string, SeatCount> Names{"Unknown1", "Unknown2", "Unknown3", "Unknown4"};
    std::int16_t WinnerMoves = 0;
    std::string WinnerName;

    // The die: the face of the last throw, the face on show and whether it can be clicked.
    std::int16_t TossIndex = 0;
    int ShownFace = StartFace;
    bool FaceEnabled = true;
    std::array<bool, SeatCount> CounterEnabled{};
    bool GoEnabled = false;
    std::array<TwipsRect, SeatCount> Counters{CounterDesignRect(0), CounterDesignRect(1), CounterDesignRect(2),
                                              CounterDesignRect(3)};

    // The three game timers, indexed by GameTimer, as the board window's load starts them.
    std::array<bool, 3> TimerOn{true, false, true};
    // The blink of the name on turn: false while a name is in its dark half.
    std::array<bool, SeatCount> NameLit{true, true, true, true};

    // The saved-game file the game is tied to; empty while untitled.
    std::string GamePath;

    // True when the best-players table had been stored before the board window loaded, or
    // has been stored since in this run.
    bool RecordsStored = false;

    // Grows whenever the game on the board is replaced (a reset or a loaded game), so that a
    // move still waiting on its win windows can tell that the game it began on is gone.
    std::uint32_t GamesStarted = 0;

    // Every event of the game on the board, from its start; the log, the race chart and the
    // players' statistics read it, and a save keeps it after the game's 17 lines.
    GameRecord Record;

    bool Timer(GameTimer timer) const { return TimerOn[static_cast<std::size_t>(timer)]; }
    // The seat whose counter stands on square 100, or -1 while the race is on.
    int Winner() const;
    Phase TurnPhase() const;
    // True while the seat's counter waits beside the board where the game starts it, before
    // its first move; a loaded game puts a counter of position 0 on square 1 instead.
    bool AtStart(int seat) const;
};

// The square effect of a position reached by a throw: ladder, then snake, then the stop at 99.
int SquareEffect(int position);

}  // namespace vantry
