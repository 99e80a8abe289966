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
// to move `longest`, in order, one span a column from the lowest square the seat stood on there
// to the highest: a line too dense to follow move by move is drawn as the band they make, at a
// cost bound by the chart's width however long the game is.
std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns);

}  // namespace vantry
