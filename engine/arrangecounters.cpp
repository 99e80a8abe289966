#include "arrangecounters.h"

#include "boardview.h"

namespace vantry {

namespace {
// The shifted left edge, worked out wide and then held in single precision again.
float Shifted(float left, float by) { return static_cast<float>(static_cast<double>(left) - static_cast<double>(by)); }
}  // namespace

void ArrangeCounters(BoardView& view, int current) {
    const int c = current;
    // Only Left ever changes here, so the current counter's Top holds for every pass.
    const float topC = view.CounterTop(c);
    for (int i = 0; i < 4; ++i) {
        if (i == c || view.CounterTop(i) != topC) continue;
        const float q = view.CounterWidth(i) / 4.0f;
        const float leftC = view.CounterLeft(c);
        const float leftI = view.CounterLeft(i);
        const bool meets = leftC == leftI || Shifted(leftC, q) == leftI || Shifted(leftC, 2.0f * q) == leftI;
        if (!meets) continue;
        if (i < c) {
            view.SetCounterLeft(i, view.CounterLeft(i) - view.CounterWidth(i) / 4.0f);
            view.SetCounterLeft(c, view.CounterLeft(c) + view.CounterWidth(i) / 4.0f);
        } else {
            view.SetCounterLeft(i, view.CounterLeft(i) + view.CounterWidth(i) / 4.0f);
            view.SetCounterLeft(c, view.CounterLeft(c) - view.CounterWidth(i) / 4.0f);
        }
    }
}

CounterPlace PlaceOf(const BoardView& view, int p, float height) {
    return CounterPlace{(view.MarkerX1(p) + view.MarkerX1(p + 1)) / 2.0f - 127.0f, view.MarkerY2(p + 1) - height - 30.0f};
}

void PlaceCounter(BoardView& view, int k, int p, float height) {
    const CounterPlace place = PlaceOf(view, p, height);
    view.SetCounterLeft(k, place.left);
    view.SetCounterTop(k, place.top);
}

}  // namespace vantry
