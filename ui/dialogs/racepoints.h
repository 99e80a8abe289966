#pragma once

#include <cstddef>
#include <vector>

namespace vantry {

// One seat's race: the square it started on (0 beside the board), then for each move the
// square the throw reached and the one it came to rest on.
struct SeatRace {
    struct Step {
        int reached = 0;
        int to = 0;
    };
    int start = 0;
    std::vector<Step> steps;
};

// A corner of a seat's line on the race chart: after `move` of its moves (0 its start), on
// `square`. A ladder or a snake is two corners of the same move.
struct RacePoint {
    std::size_t move = 0;
    int square = 0;

    bool operator==(const RacePoint& other) const { return move == other.move && square == other.square; }
};

// The corners of the seat's line on a chart `columns` pixels across whose foot runs to move
// `longest`. While every move has a column of its own, every corner. Beyond that a column keeps
// the first, the lowest, the highest and the last of its corners, in their order: all that a
// line can show in one column, so the line costs the same to draw however long the game is,
// and still starts, climbs, falls and ends where the seat did.
std::vector<RacePoint> RacePoints(const SeatRace& race, std::size_t longest, int columns);

}  // namespace vantry
