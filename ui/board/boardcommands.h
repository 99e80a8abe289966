#pragma once

class QString;

namespace vantry {

// What the board window hands on to the rest of the program: its File menu commands, a saved
// game dropped on it and the best-players window after a win. The application implements it;
// window tests record it.
class BoardCommands {
public:
    virtual ~BoardCommands() = default;
    virtual void New() = 0;
    virtual void Open() = 0;
    // True when the game was written; the close prompt's Yes ends the program only then.
    virtual bool Save() = 0;
    virtual void SaveAs() = 0;
    virtual void About() = 0;
    // The Settings window, modal over the board; its changes reach the board as they are made.
    virtual void Settings() = 0;
    // A saved game dropped on the board: opened as File > Open opens the file it is given.
    virtual void OpenDropped(const QString& path) = 0;
    // Opens the game log beside the board, or closes it when it is open.
    virtual void GameLog() {}
    // Asks for an invitation and joins the game on another computer that it names.
    virtual void Join() {}
    // The invitations window: seats given to players on other computers, the game hosted.
    virtual void Invite() {}
    // Shown modally after a win; returns when the window has closed.
    virtual void BestPlayers() = 0;
    // True while the game is tied to no saved-game file; the close prompt asks accordingly.
    virtual bool Untitled() const = 0;
};

}  // namespace vantry
