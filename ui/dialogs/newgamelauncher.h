#pragma once

#include <QPointer>

#include <functional>

// Also declares the engine, board, commands, prompter and random source the launcher hands on.
#include "dialogs/frmnew.h"

namespace vantry {

// Opens the new-game dialog modally over the board, from File > New and at start-up. The
// dialog stays loaded while it is only hidden, so the next opening shows the user's entries;
// after its close box it is built anew, which runs its load step again.
class NewGameLauncher {
public:
    NewGameLauncher(Engine& engine, DocumentWindow& board, GameCommands& commands, Prompter& prompter,
                    RandomSource& random, QWidget* owner);

    // File > New: the board is paused while the dialog shows.
    void New();
    // Start-up without a saved game: the dialog's own load step pauses the board.
    void ShowAtStartUp();

    // Whether the seats' groups show their marks, in a dialog loaded now or later.
    void ShowMarks(bool shown);

    // Hears the seats given to players on other computers each time the dialog starts a game.
    void OnStarted(std::function<void(const frmNew::Seats& remote)> started) { started_ = std::move(started); }
    // The loaded dialog, or null when none is.
    frmNew* Dialog() const;

private:
    void ShowModal();

    Engine& engine_;
    DocumentWindow& board_;
    GameCommands& commands_;
    Prompter& prompter_;
    RandomSource& random_;
    QWidget* owner_ = nullptr;
    QPointer<frmNew> dialog_;
    bool marks_ = true;
    std::function<void(const frmNew::Seats&)> started_;
};

}  // namespace vantry
