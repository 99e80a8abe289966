#pragma once

#include <QColor>

#include <array>
#include <vector>

#include "boardgeometry.h"
#include "twips.h"

namespace vantry {

// The design of the board window in twips: what is drawn as lines, where each picture and
// control stands. Positions stay float twips here; only drawing and widget placement turn them
// into logical pixels (twips / 15).

constexpr float ClientWidth = 11880.0f;
constexpr float ClientHeight = 8595.0f;
constexpr TwipsRect BoardRect{0.0f, 0.0f, ClientWidth, ClientHeight};

constexpr QColor LadderOrange{255, 128, 0};
constexpr QColor DiePaleYellow{255, 255, 192};

// A line of the board with its width in pixels.
struct BoardLine {
    Line line;
    float widthPx = 1.0f;
};

// The track: every tick linM (0..100, 102..902) and the strips' edges Line2..Line6, one pixel.
std::vector<BoardLine> TrackLines();
// The turns Line8 joining the ends of consecutive strips, two pixels.
std::vector<BoardLine> TurnLines();
// The nine ladders: rails Line1 (five pixels) and rungs Line7 (two pixels, every 120 twips).
std::vector<BoardLine> LadderLines();

// Image2..Image8 in that order; snake n is SnakeRects[n - 2].
inline constexpr std::array<TwipsRect, 7> SnakeRects{{
    {4680, 6360, 2475, 1890},
    {2520, 480, 2505, 1815},
    {6600, 1200, 1905, 4455},
    {8640, 240, 945, 3075},
    {1800, 4800, 3720, 2595},
    {6600, 3960, 2865, 2535},
    {1440, 3120, 3000, 1755},
}};

constexpr TwipsRect HouseRect{10800, 0, 1050, 795};
constexpr TwipsRect FileButtonRect{10800, 2160, 1095, 375};
constexpr TwipsRect DieRect{11040, 6960, 615, 615};
constexpr TwipsRect GoRect{11040, 7680, 615, 615};
// Label1's place inside the start face.
constexpr float ClickLabelLeft = 120.0f;
constexpr float ClickLabelTop = 200.0f;

constexpr TwipsRect NameLabelRect(int seat) {
    return TwipsRect{10800.0f, 5400.0f + 360.0f * static_cast<float>(seat), 975.0f, 255.0f};
}

// The design label metrics of the square numbers (8-point sans-serif): 90 twips a digit, 195 high.
constexpr float NumberDigitWidth = 90.0f;
constexpr float NumberHeight = 195.0f;

}  // namespace vantry
