#include "boardgeometry.h"

namespace vantry {

float StripTickTop(int row) {
    if (row == 10) return 480.0f;
    if (row == 9) return 1320.0f;
    return 8040.0f - 840.0f * static_cast<float>(row - 1);
}

float StripBottom(int row) { return 8280.0f - 840.0f * static_cast<float>(row - 1); }

float StripRuledTop(int row) { return row >= 9 ? StripTickTop(row) - 15.0f : StripTickTop(row); }

bool IsMarkerIndex(int k) {
    if (k >= 0 && k <= 100) return true;
    return k >= 102 && k <= 902 && k % 100 == 2;
}

namespace {
Line Tick(float x, int row) { return Line{x, StripTickTop(row), x, StripBottom(row)}; }
}  // namespace

Line MarkerLine(int k) {
    if (k == 0) return Tick(BoardRight, 1);
    if (k > 100) {
        const int row = k / 100 + 1;  // the row whose starting end the tick marks
        return Tick(row % 2 == 0 ? BoardLeft : BoardRight, row);
    }
    const int row = (k - 1) / 10 + 1;
    const int j = (k - 1) % 10;  // place of square k within its row, in the order of play
    float x = row % 2 == 0 ? TickX[static_cast<std::size_t>(j + 1)] : TickX[static_cast<std::size_t>(9 - j)];
    if (k == 93) x = 3360.0f;  // the top row's tick between squares 93 and 94
    return Tick(x, row);
}

}  // namespace vantry
