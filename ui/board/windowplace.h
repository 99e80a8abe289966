#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace vantry {

class Prompter;
class StoreFailureNotice;

// The board window's size, place and full-screen state, kept in the per-user store between
// runs ("Window/Geometry", never in "Records"). Whatever the store holds, the whole window,
// title bar included, opens on a screen: a stored place too large for the screen it opens on
// gives way to the largest size that fits, centred; one partly off the screen is moved onto it.
// A stored value that is damaged, or that no screen there is now shows, is left alone: the
// window keeps its design size (bounded by the screen) and the place the window system gives it.
namespace WindowPlace {

// Before the window is first shown.
void Restore(QWidget& window);
// As the window closes; a store that cannot be written is told once a run.
void Store(const QWidget& window, Prompter& prompter, StoreFailureNotice& notice);

// The frame `frame` of a window takes on a screen whose available area is `room`: itself when it
// lies wholly in it, moved into it when only its place is off, bounded by the room and centred
// on it when it is larger.
QRect FitFrame(const QRect& frame, const QRect& room);
// The window's frame around its inside: the window system's once it is shown, else a guess at
// the title bar and borders that is rather too large than too small.
QMargins FrameMargins(const QWidget& window);

}  // namespace WindowPlace

}  // namespace vantry
