#pragma once

#include <functional>

class QWidget;

namespace vantry {

// Runs `task` once, when the window's first frame is on the screen (after the paint pass that
// drew it), for work a start should not do before the player sees the board.
void AfterFirstPaint(QWidget* window, std::function<void()> task);

}  // namespace vantry
