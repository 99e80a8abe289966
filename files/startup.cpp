#include "startup.h"

#include "arrangecounters.h"
#include "document.h"
#include "documentwindow.h"
#include "gamestate.h"
#include "startupwindows.h"

namespace vantry {

void Main(const QString& commandLinePath, GameState& state, DocumentWindow& window, Document& document,
          StartupWindows& windows) {
    window.SetCaption(Document::UntitledCaption());
    window.ShowWindow();
    if (!commandLinePath.isEmpty() && document.OpenPath(commandLinePath)) {
        ArrangeCounters(window.Board(), state.CurrentPlayer);
        return;
    }
    windows.ShowNewGameDialog();
}

}  // namespace vantry
