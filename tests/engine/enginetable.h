#pragma once

#include <initializer_list>
#include <vector>

#include "engine.h"
#include "fakeboardview.h"
#include "gamestate.h"

namespace vantry::test {

// One game on a fake board: the state, the view, a scripted die and the engine over them.
struct EngineTable {
    GameState state;
    FakeBoardView view;
    ScriptedRandom random;
    Engine engine{state, view, random};

    // Throws `pips` for the seat on turn, forgetting what the view recorded before.
    void Throw(int pips) {
        random.Script({ScriptedRandom::For(pips)});
        engine.Throw();
        view.cues.clear();
        view.messages.clear();
    }
    // Puts the seat on turn on `position`, throws `pips` and moves it with Go.
    void MoveFrom(int position, int pips) {
        state.Position[static_cast<std::size_t>(state.CurrentPlayer)] = static_cast<std::int16_t>(position);
        Throw(pips);
        engine.cmdGo_Click();
    }
    void SetComputers(std::initializer_list<bool> kinds) {
        std::size_t i = 0;
        for (bool k : kinds) state.IsComputer[i++] = k;
    }
};

}  // namespace vantry::test
