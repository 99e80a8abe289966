#pragma once

#include <array>

#include "boardgeometry.h"

namespace vantry {

// Sets side by side the counters that share the square of the counter of `current`: each
// other counter found at the same Top and at the current counter's Left, or a quarter or half
// a width to its left, is moved a quarter width away, and the current counter the other way.
void ArrangeCounters(std::array<TwipsRect, 4>& counters, int current);

// A counter's top-left corner in twips.
struct CounterPlace {
    float left = 0.0f;
    float top = 0.0f;
};

// Where the board's placement rule puts a counter `height` high on position p, in single
// precision: Left = (X1 of linM(p) + X1 of linM(p + 1)) / 2 - 127, Top = Y2 of linM(p + 1) -
// height - 30. The drawing asks it for the squares a counter passes on its way.
CounterPlace PlaceOf(int p, float height);

// Puts a counter on position p by that rule.
void PlaceCounter(TwipsRect& counter, int p, float height);

}  // namespace vantry
