#pragma once

class QWidget;

namespace vantry {

class Prompter;
class StoreFailureNotice;

// The board window's size, place and full-screen state, kept in the per-user store between
// runs ("Window/Geometry", never in "Records"). A stored value that is damaged, or that would
// put the window on no screen there is now, is left alone: the window keeps its design size
// and the place the window system gives it.
namespace WindowPlace {

// Before the window is first shown.
void Restore(QWidget& window);
// As the window closes; a store that cannot be written is told once a run.
void Store(const QWidget& window, Prompter& prompter, StoreFailureNotice& notice);

}  // namespace WindowPlace

}  // namespace vantry
