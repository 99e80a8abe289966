#include "dialogs/newgamelauncher.h"

#include "dialogs/centreonowner.h"
#include "engine.h"

namespace vantry {

NewGameLauncher::NewGameLauncher(Engine& engine, DocumentWindow& board, GameCommands& commands,
                                 Prompter& prompter, RandomSource& random, QWidget* owner)
    : engine_(engine), make_([&engine, &board, &commands, &prompter, &random, owner] {
          return new frmNew(engine, board, commands, prompter, random, owner);
      }) {}

// A dialog built anew pauses the board as it loads; one kept loaded is paused here.
void NewGameLauncher::New() {
    if (Dialog()) {
        engine_.PauseTurnCycle();
    } else {
        dialog_ = make_();
    }
    dialog_->ShowMarks(marks_);
    // The dialog ends its modal loop whenever it hides, whichever way the user left it.
    {
        const CentreOnOwner centred(dialog_, dialog_->parentWidget());
        dialog_->exec();
    }
    // After the close box the dialog has already asked to be deleted, and counts as not loaded.
    const auto remote = dialog_ ? dialog_->TakeRemoteSeats() : std::nullopt;
    if (remote && started_) started_(*remote);
}

}  // namespace vantry
