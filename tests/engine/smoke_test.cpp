#include <gtest/gtest.h>

#include "engine.h"
#include "fakeboardview.h"
#include "gamestate.h"

namespace vantry::test {

TEST(EngineSmoke, ThrowOfTwoFromStartClimbsTheFirstLadder) {
    GameState state;
    FakeBoardView view;
    ScriptedRandom random({ScriptedRandom::For(2)});
    Engine engine(state, view, random);
    engine.Throw();
    engine.picM_Click(0);
    EXPECT_EQ(state.Position[0], 17);
    EXPECT_EQ(state.CurrentPlayer, 1);
}

}  // namespace vantry::test
