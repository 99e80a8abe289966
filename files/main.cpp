#include "main.h"

#include "document.h"
#include "documentwindow.h"
#include "startupwindows.h"

namespace vantry {

void Main(const QString& commandLinePath, DocumentWindow& window, Document& document, StartupWindows& windows) {
    window.ShowWindow();
    if (commandLinePath.isEmpty() || !document.OpenPath(commandLinePath, true)) windows.ShowNewGameDialog();
}

}  // namespace vantry
