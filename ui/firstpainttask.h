#pragma once

#include <functional>

class QObject;

namespace vantry {

// Runs `task` once, when the first frame of the window `watched` (or, watching the application,
// of any window) is on the screen, after the paint pass that drew it: for work a start should
// not do before the player sees the board, and for the start-up benchmark's clock.
void AfterFirstPaint(QObject* watched, std::function<void()> task);

}  // namespace vantry
