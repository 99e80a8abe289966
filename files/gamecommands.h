#pragma once

namespace vantry {

// The document commands that the new-game dialog and the best-players window call.
class GameCommands {
public:
    virtual ~GameCommands() = default;
    // Puts the board into the untitled new-game state.
    virtual void ResetBoard() = 0;
    // Lets the user choose a saved game and loads it.
    virtual void OpenGame() = 0;
};

}  // namespace vantry
