#pragma once

#include <initializer_list>
#include <vector>

#include "engine.h"
#include "gamestate.h"
#include "recordinglistener.h"

namespace vantry::test {

// One game without a window: the state, a listener that records, a scripted die and the engine.
struct EngineTable {
    EngineTable() { engine.SetListener(&listener); }

    GameState state;
    RecordingListener listener;
    ScriptedRandom random;
    Engine engine{state, random};

    // Throws `pips` for the seat on turn, forgetting the cues heard before.
    void Throw(int pips) {
        random.Script({ScriptedRandom::For(pips)});
        engine.Throw();
        listener.cues.clear();
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
