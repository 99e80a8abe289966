#include "board/boardlayout.h"

namespace vantry {

namespace {

struct Ladder {
    float railLeft;
    float railRight;
    float railTop;
    float railBottom;
    float rungFrom;
    float rungTo;
    float firstRung;
    float lastRung;
};

// Squares 3-18, 8-28, 16-36, 32-49, 43-58, 46-66, 65-96, 68-73, 79-82.
constexpr std::array<Ladder, 9> Ladders{{
    {7910, 8230, 7440, 8040, 7920, 8270, 7560, 7920},
    {2700, 3050, 6600, 8040, 2700, 3050, 6720, 7920},
    {5800, 6150, 5760, 7200, 5800, 6150, 5880, 7080},
    {1680, 1995, 4920, 5520, 1695, 1995, 5040, 5400},
    {7920, 8235, 4080, 4680, 7935, 8235, 4200, 4560},
    {4800, 5145, 3240, 4680, 4800, 5150, 3360, 4560},
    {5805, 6150, 720, 3000, 5800, 6150, 840, 2880},
    {2680, 2995, 2400, 3000, 2695, 3000, 2520, 2880},
    {8950, 9265, 1560, 2160, 8995, 9265, 1680, 2040},
}};
constexpr float RungSpacing = 120.0f;

BoardLine Horizontal(float y, float widthPx) { return BoardLine{Line{BoardLeft, y, BoardRight, y}, widthPx}; }
BoardLine Vertical(float x, float y1, float y2, float widthPx) { return BoardLine{Line{x, y1, x, y2}, widthPx}; }

}  // namespace

std::vector<BoardLine> TrackLines() {
    std::vector<BoardLine> lines;
    for (int k = 0; k <= 902; ++k) {
        if (IsMarkerIndex(k)) lines.push_back(BoardLine{MarkerLine(k), 1.0f});
    }
    for (int row = 1; row <= RowCount; ++row) {
        lines.push_back(Horizontal(StripRuledTop(row), 1.0f));
        lines.push_back(Horizontal(StripBottom(row), 1.0f));
    }
    return lines;
}

std::vector<BoardLine> TurnLines() {
    std::vector<BoardLine> lines;
    // Play turns at the left end after odd rows and at the right end after even rows.
    for (int lower = 1; lower < RowCount; ++lower) {
        const float x = lower % 2 == 1 ? BoardLeft : BoardRight;
        lines.push_back(Vertical(x, StripBottom(lower + 1), StripRuledTop(lower), 2.0f));
    }
    return lines;
}

std::vector<BoardLine> LadderLines() {
    std::vector<BoardLine> lines;
    for (const Ladder& l : Ladders) {
        lines.push_back(Vertical(l.railLeft, l.railTop, l.railBottom, 5.0f));
        lines.push_back(Vertical(l.railRight, l.railTop, l.railBottom, 5.0f));
        for (float y = l.firstRung; y <= l.lastRung; y += RungSpacing) {
            lines.push_back(BoardLine{Line{l.rungFrom, y, l.rungTo, y}, 2.0f});
        }
    }
    return lines;
}

}  // namespace vantry
