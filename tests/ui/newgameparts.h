#pragma once

#include <QWidget>

#include "fakeboardwindow.h"
#include "gamestate.h"
#include "scriptedprompter.h"

namespace vantry::test {

// What the new-game dialog is built over in tests: the game, a window-free board, recording
// document commands, a scripted prompter and die, and an owner window.
struct NewGameParts {
    GameState state;
    FakeBoardWindow board;
    RecordingGameCommands commands{board};
    ScriptedPrompter prompter;
    ScriptedRandom random;
    QWidget owner;
};

}  // namespace vantry::test
