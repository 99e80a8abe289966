#include "arrangecounters.h"

namespace vantry {

namespace {
// The shifted left edge, worked out wide and then held in single precision again.
float Shifted(float left, float by) { return static_cast<float>(static_cast<double>(left) - static_cast<double>(by)); }
}  // namespace

void ArrangeCounters(std::array<TwipsRect, 4>& counters, int current) {
    if (current < 0 || current > 3) return;
    TwipsRect& c = counters[static_cast<std::size_t>(current)];
    // Only Left ever changes here, so the current counter's Top holds for every pass.
    const float topC = c.top;
    for (int i = 0; i < 4; ++i) {
        TwipsRect& other = counters[static_cast<std::size_t>(i)];
        if (i == current || other.top != topC) continue;
        const float q = other.width / 4.0f;
        const bool meets = c.left == other.left || Shifted(c.left, q) == other.left || Shifted(c.left, 2.0f * q) == other.left;
        if (!meets) continue;
        // A counter of a lower seat goes left of the current one, of a higher seat right of it.
        const float shift = i < current ? -q : q;
        other.left += shift;
        c.left -= shift;
    }
}

CounterPlace PlaceOf(int p, float height) {
    return CounterPlace{(MarkerLine(p).x1 + MarkerLine(p + 1).x1) / 2.0f - 127.0f, MarkerLine(p + 1).y2 - height - 30.0f};
}

void PlaceCounter(TwipsRect& counter, int p, float height) {
    const CounterPlace place = PlaceOf(p, height);
    counter.left = place.left;
    counter.top = place.top;
}

}  // namespace vantry
