#include "dialogs/newgamelauncher.h"

#include "dialogs/centreonowner.h"
#include "engine.h"

namespace vantry {

NewGameLauncher::NewGameLauncher(Engine& engine, DocumentWindow& board, GameCommands& commands,
                                 Prompter& prompter, RandomSource& random, QWidget* owner)
    : engine_(engine), board_(board), commands_(commands), prompter_(prompter), random_(random), owner_(owner) {}

// A dialog built anew pauses the board as it loads; one kept loaded is paused here.
void NewGameLauncher::New() {
    if (Dialog()) engine_.PauseTurnCycle();
    ShowModal();
}

void NewGameLauncher::ShowAtStartUp() { ShowModal(); }

frmNew* NewGameLauncher::Dialog() const { return dialog_ && !dialog_->Unloaded() ? dialog_.data() : nullptr; }

void NewGameLauncher::ShowMarks(bool shown) {
    marks_ = shown;
    if (Dialog()) Dialog()->ShowMarks(shown);
}

void NewGameLauncher::ShowModal() {
    if (!Dialog()) dialog_ = new frmNew(engine_, board_, commands_, prompter_, random_, owner_);
    dialog_->ShowMarks(marks_);
    // The dialog ends its modal loop whenever it hides, whichever way the user left it.
    {
        const CentreOnOwner centred(dialog_, owner_);
        dialog_->exec();
    }
    const auto remote = dialog_ ? dialog_->TakeRemoteSeats() : std::nullopt;
    // After the close box the dialog has already asked to be deleted.
    if (dialog_ && dialog_->Unloaded()) dialog_.clear();
    if (remote && started_) started_(*remote);
}

}  // namespace vantry
