#include "startup.h"

#include "document.h"
#include "documentwindow.h"
#include "engine.h"
#include "startupwindows.h"

namespace vantry {

void Main(const QString& commandLinePath, Engine& engine, DocumentWindow& window, Document& document,
          StartupWindows& windows) {
    window.ShowWindow();
    if (!commandLinePath.isEmpty() && document.OpenPath(commandLinePath)) {
        engine.ArrangeCounters();
        return;
    }
    windows.ShowNewGameDialog();
}

}  // namespace vantry
