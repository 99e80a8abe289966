#pragma once

namespace vantry {

// What the new-game code needs of the board window itself: showing it.
// Everything else of the board they reach through the engine, and the window draws it.
class DocumentWindow {
public:
    virtual ~DocumentWindow() = default;
    // Shows the board window, not modal.
    virtual void ShowWindow() = 0;
};

}  // namespace vantry
