#pragma once

#include <array>

namespace vantry {

// The fixed geometry of the board in twips, as the board window is designed: the ten track
// strips and the marker ticks between squares. The engine reads the ticks through the board
// view; the window draws them from here.
struct Line {
    float x1;
    float y1;
    float x2;
    float y2;
};

// A rectangle of a window in twips, from the top left of its client area.
struct TwipsRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

constexpr int RowCount = 10;
constexpr float BoardLeft = 240.0f;
constexpr float BoardRight = 10680.0f;

// Tick x positions along a strip, left to right.
inline constexpr std::array<float, 11> TickX{
    240.0f, 1290.0f, 2325.0f, 3375.0f, 4410.0f, 5460.0f, 6510.0f, 7560.0f, 8595.0f, 9630.0f, 10680.0f};

// Row r is 1..10 from the bottom. The top is where the square ticks start.
float StripTickTop(int row);
float StripBottom(int row);
// The ruled upper edge of a row (rows 9 and 10 are ruled 15 twips above their ticks).
float StripRuledTop(int row);

// True for k = 0..100 and k = 102, 202, ..., 902.
bool IsMarkerIndex(int k);

// The tick linM(k): X1 = X2, from the top of its strip to its bottom. k must be a marker index.
Line MarkerLine(int k);

// Counters: 255 x 615 twips; they start on the Go button's spot beside the board.
constexpr float CounterDesignWidth = 255.0f;
constexpr float CounterDesignHeight = 615.0f;
constexpr float CounterDesignLeft = 11040.0f;
constexpr float CounterDesignTop = 7680.0f;
constexpr float CounterSpacing = 120.0f;
// Where a new game puts the counters (11046 + 120 x i, 7680).
constexpr float CounterStartLeft = 11046.0f;
constexpr float CounterStartTop = 7680.0f;

// Counter i where the board window's design puts it.
constexpr TwipsRect CounterDesignRect(int i) {
    return TwipsRect{CounterDesignLeft + CounterSpacing * static_cast<float>(i), CounterDesignTop, CounterDesignWidth,
                     CounterDesignHeight};
}

}  // namespace vantry
