#pragma once

#include <QString>

namespace vantry {

class Document;
class DocumentWindow;
class StartupWindows;

// The program's start once the board window exists (its load steps have run): the board shown
// untitled, then either the saved game named on the command line, with the counters that share
// a square set side by side and play going on at once, or the new-game dialog. A path that does
// not load is reported and start-up carries on as without one.
void Main(const QString& commandLinePath, DocumentWindow& window, Document& document, StartupWindows& windows);

}  // namespace vantry
