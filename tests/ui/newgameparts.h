#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

#include "engine.h"
#include "fakeboardwindow.h"
#include "gamestate.h"
#include "scriptedprompter.h"

namespace vantry::test {

// What the new-game dialog is built over in tests: the game and its engine, a window-free
// board whose log tells what a redraw would change, recording document commands, a scripted
// prompter and die, and an owner window.
struct NewGameParts {
    NewGameParts() { engine.SetListener(&boardLog); }
    ~NewGameParts() { engine.SetListener(nullptr); }

    QStringList Names() const {
        QStringList names;
        for (const std::string& name : state.Names) names << QString::fromStdString(name);
        return names;
    }
    QString Name(int seat) const { return Names().value(seat); }
    // Timer1, timPlay, timGo: true where running.
    std::array<bool, 3> Timers() const {
        return {state.Timer(GameTimer::Timer1), state.Timer(GameTimer::timPlay), state.Timer(GameTimer::timGo)};
    }

    GameState state;
    ScriptedRandom random;
    Engine engine{state, random};
    FakeBoardWindow board;
    BoardLog boardLog{state, board};
    RecordingGameCommands commands{board, engine};
    ScriptedPrompter prompter;
    QWidget owner;
};

}  // namespace vantry::test
