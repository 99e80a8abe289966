#include "newgamelauncher.h"

#include "centreonowner.h"
#include "documentwindow.h"

namespace vantry {

NewGameLauncher::NewGameLauncher(GameState& state, DocumentWindow& board, GameCommands& commands,
                                 Prompter& prompter, RandomSource& random, QWidget* owner)
    : state_(state), board_(board), commands_(commands), prompter_(prompter), random_(random), owner_(owner) {}

void NewGameLauncher::New() {
    board_.SetTimerEnabled(GameTimer::Timer1, false);
    board_.SetTimerEnabled(GameTimer::timGo, false);
    board_.SetTimerEnabled(GameTimer::timPlay, false);
    ShowModal();
}

void NewGameLauncher::ShowAtStartUp() { ShowModal(); }

frmNew* NewGameLauncher::Dialog() const { return dialog_ && !dialog_->Unloaded() ? dialog_.data() : nullptr; }

void NewGameLauncher::ShowModal() {
    if (!Dialog()) dialog_ = new frmNew(state_, board_, commands_, prompter_, random_, owner_);
    // The dialog ends its modal loop whenever it hides, whichever way the user left it.
    {
        const CentreOnOwner centred(dialog_, owner_);
        dialog_->exec();
    }
    // After the close box the dialog has already asked to be deleted.
    if (dialog_ && dialog_->Unloaded()) dialog_.clear();
}

}  // namespace vantry
