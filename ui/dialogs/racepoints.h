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

// The squares a seat's line covers in one `column` of the chart, counted from the left.
struct RaceSpan {
    std::size_t column = 0;
    int low = 0;
    int high = 0;

    bool operator==(const RaceSpan& other) const {
        return column == other.column && low == other.low && high == other.high;
    }
};

// The columns the seat's line passes through on a chart `columns` pixels across whose foot runs
// to move `longest`, in order, one span a column: a line too dense to follow move by move is
// drawn as the band they make.
std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns);

}  // namespace vantry
