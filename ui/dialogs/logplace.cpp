#include "dialogs/logplace.h"

#include <algorithm>
#include <array>

namespace vantry {

namespace {
constexpr int Gap = 8;

// The parts of the room to the right of `r`, to its left, below and above it, a gap away.
std::array<QRect, 4> Around(const QRect& room, const QRect& r) {
    return {QRect(QPoint(r.right() + 1 + Gap, room.top()), room.bottomRight()),
            QRect(room.topLeft(), QPoint(r.left() - 1 - Gap, room.bottom())),
            QRect(QPoint(room.left(), r.bottom() + 1 + Gap), room.bottomRight()),
            QRect(room.topLeft(), QPoint(room.right(), r.top() - 1 - Gap))};
}

qint64 Area(const QRect& r) { return r.isEmpty() ? 0 : qint64(r.width()) * r.height(); }

int Within(int at, int low, int high) { return std::clamp(at, low, std::max(low, high)); }
}  // namespace

// Every space is tried with the log against the board's edges and against the space's own:
// the least of the board covered wins, then the largest log; the first of equals, so the right
// side goes before the left.
QRect LogPlace(const QRect& room, const QRect& board, const QRect& keep, const QSize& wanted, const QSize& smallest) {
    const std::array<QRect, 4> beside = Around(room, board);
    const std::array<QRect, 4> clear = Around(room, keep.isValid() ? keep : board);
    std::array<QRect, 8> spaces{};
    std::copy(clear.begin(), clear.end(), std::copy(beside.begin(), beside.end(), spaces.begin()));
    // A log nearer the board than the gap counts as covering it.
    const QRect near = board.adjusted(-Gap, -Gap, Gap, Gap);
    QRect best;
    qint64 leastCover = -1;
    for (const QRect& space : spaces) {
        const QSize size = wanted.boundedTo(space.size());
        if (size.width() < smallest.width() || size.height() < smallest.height()) continue;
        const int lastX = space.right() - size.width() + 1;
        const int lastY = space.bottom() - size.height() + 1;
        for (const int x : {board.left(), space.left(), lastX}) {
            for (const int y : {board.top(), space.top(), lastY}) {
                const QRect at(QPoint(Within(x, space.left(), lastX), Within(y, space.top(), lastY)), size);
                const qint64 cover = Area(at & near);
                if (leastCover >= 0 && (cover > leastCover || (cover == leastCover && Area(at) <= Area(best)))) continue;
                best = at;
                leastCover = cover;
            }
        }
    }
    return leastCover >= 0 ? best : QRect(room.topLeft(), wanted.boundedTo(room.size()));
}

}  // namespace vantry
