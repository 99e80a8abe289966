#pragma once

#include <QRect>
#include <QSize>

namespace vantry {

// Where the game log's frame goes, given the screen's available area `room`, the board's frame
// `board` and the board's controls `keep` (FILE, the names, the die and Go), all on the screen:
// beside the board where a side has room for the log at least at `smallest`, on the side with
// the most, up to `wanted`; where none has, over the part of the board where it covers least of
// it, and never over the controls. Only a screen too small for the log at `smallest` beside the
// controls gets the log at its top-left corner, whatever it covers.
QRect LogPlace(const QRect& room, const QRect& board, const QRect& keep, const QSize& wanted, const QSize& smallest);

}  // namespace vantry
