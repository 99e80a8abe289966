#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vantry {

constexpr int SeatCount = 4;

// Position 99 is square 100, the goal.
constexpr std::int16_t FinalPosition = 99;

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

// The one game of the run: owned by whoever owns the board window and handed around by
// reference. Player names are not here; they live in the board's name labels.
struct GameState {
    std::int16_t CurrentPlayer = 0;
    std::array<std::int16_t, SeatCount> Position{};
    std::array<std::int16_t, SeatCount> MoveCount{};
    std::array<bool, SeatCount> IsComputer{};
    std::int16_t WinnerMoves = 0;
    std::string WinnerName;

    // True when the best-players table had been stored before the board window loaded, or
    // has been stored since in this run.
    bool RecordsStored = false;

    // Grows whenever the game on the board is replaced (a reset or a loaded game), so that a
    // move still waiting on its win windows can tell that the game it began on is gone.
    std::uint32_t GamesStarted = 0;

    void GameReplaced() { ++GamesStarted; }
};

bool IsLadderFoot(int position);
bool IsSnakeHead(int position);

// The jump of the row whose "from" is the position; other positions stay as they are.
int ApplyLadders(int position);
int ApplySnakes(int position);

// The square effect of a position reached by a throw: ladder, then snake, then the stop at 99.
int SquareEffect(int position);

}  // namespace vantry
