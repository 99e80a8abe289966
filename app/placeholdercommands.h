#pragma once

#include "boardcommands.h"

// Stands in for the document commands until the saved-game and records windows are joined to
// the board: each command does nothing, and Save reports that nothing was written.
class PlaceholderCommands : public vantry::BoardCommands {
public:
    void New() override {}
    void Open() override {}
    bool Save() override { return false; }
    void SaveAs() override {}
    void About() override {}
    void BestPlayers() override {}
};
