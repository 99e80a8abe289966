#pragma once

#include <QString>

#include "boardcommands.h"
#include "document.h"
#include "frmmain.h"
#include "gamestate.h"
#include "newgamelauncher.h"
#include "qtprompter.h"
#include "randomsource.h"
#include "startupwindows.h"

namespace vantry {

// The whole program once the toolkit is up: the one game state, the board window, the document
// and the dialogs, wired together. The board's File menu and its win hand over here.
class Application final : public BoardCommands, public StartupWindows {
public:
    Application();

    // Shows the board and takes the start-up road for `path` (empty for a new game).
    void Start(const QString& path);

    frmMain& Board() { return board_; }
    Document& GameDocument() { return document_; }
    NewGameLauncher& Launcher() { return launcher_; }

    // BoardCommands
    void New() override;
    void Open() override;
    bool Save() override;
    void SaveAs() override;
    void About() override;
    void OpenDropped(const QString& path) override;
    void BestPlayers() override;

    // StartupWindows
    void ShowNewGameDialog() override;

private:
    GameState state_;
    ClockRandom random_;
    QtPrompter prompter_;
    frmMain board_{state_, prompter_, random_, *this};
    Document document_{state_, board_, prompter_};
    NewGameLauncher launcher_{state_, board_, document_, prompter_, random_, &board_};
};

}  // namespace vantry
