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

    // File > New, and start-up without a saved game: the board is paused while the dialog shows.
    void New();

    // Whether the seats' groups show their marks, from the dialog's next showing on (the options
    // change only while it is not shown).
    void ShowMarks(bool shown) { marks_ = shown; }

    // Hears the seats given to players on other computers each time the dialog starts a game.
    void OnStarted(std::function<void(const frmNew::Seats& remote)> started) { started_ = std::move(started); }
    // The loaded dialog, or null when none is.
    frmNew* Dialog() const { return dialog_ && !dialog_->Unloaded() ? dialog_.data() : nullptr; }

private:
    Engine& engine_;
    std::function<frmNew*()> make_;
    QPointer<frmNew> dialog_;
    bool marks_ = true;
    std::function<void(const frmNew::Seats&)> started_;
};

}  // namespace vantry
