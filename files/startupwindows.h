#pragma once

namespace vantry {

// What start-up needs of the windows beyond the board: the new-game dialog.
class StartupWindows {
public:
    virtual ~StartupWindows() = default;
    // Shows the new-game dialog modally over the board; returns when it has been dismissed.
    virtual void ShowNewGameDialog() = 0;
};

}  // namespace vantry
