#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "enginetable.h"

namespace vantry::test {
namespace {

TEST(Throw, DrawsTheFaceFromTheWholePartOfSixTimesTheDraw) {
    struct Case {
        float r;
        int face;
    } const cases[] = {{0.0f, 0},  {0.16f, 0}, {0.17f, 1},  {0.34f, 2}, {0.5f, 3},
                       {0.67f, 4}, {0.84f, 5}, {0.99f, 5}, {std::nextafter(1.0f, 0.0f), 5}};
    for (const Case& c : cases) {
        EngineTable t;
        t.state.CurrentPlayer = 2;
        t.random.Script({c.r});
        t.engine.Throw();
        EXPECT_EQ(t.state.TossIndex, c.face) << c.r;
        EXPECT_EQ(t.random.reseeds, 6);
        EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::TossClick}));
        EXPECT_EQ(t.listener.events, (std::vector<std::string>{"throw 2 " + std::to_string(c.face)}));
        EXPECT_EQ(t.state.ShownFace, c.face) << c.r;
        EXPECT_FALSE(t.state.FaceEnabled);
        EXPECT_EQ(t.state.CounterEnabled, (std::array<bool, 4>{{false, false, true, false}}));
        EXPECT_TRUE(t.state.GoEnabled);
        EXPECT_EQ(t.state.TurnPhase(), Phase::AwaitingMove);
    }
}

TEST(Throw, ASecondThrowBeforeTheMoveReplacesTheFirst) {
    EngineTable t;
    t.random.Script({ScriptedRandom::For(2), ScriptedRandom::For(5)});
    t.engine.Throw();
    t.engine.Throw();
    EXPECT_EQ(t.random.reseeds, 12);
    EXPECT_EQ(t.state.ShownFace, 4);
    t.engine.cmdGo_Click();
    EXPECT_EQ(t.state.Position[0], 5);
}

TEST(Ticks, APersonSeatLeavesBothTimersAndTheBoardAlone) {
    EngineTable t;
    t.SetComputers({false, true, true, true});
    t.engine.timPlay_Timer();
    t.engine.timGo_Timer();
    EXPECT_EQ(t.random.reseeds, 0);
    EXPECT_TRUE(t.listener.cues.empty());
    EXPECT_TRUE(t.listener.events.empty());
    EXPECT_EQ(t.listener.changes, 0);
    EXPECT_EQ(t.state.TimerOn, (std::array<bool, 3>{{true, false, true}})) << "as the board loaded them";
    EXPECT_EQ(t.state.Position[0], 0);
    EXPECT_EQ(t.state.CurrentPlayer, 0);
}

TEST(Ticks, AComputerSeatThrowsOnTimPlayAndMovesOnTimGo) {
    EngineTable t;
    t.SetComputers({true, false, false, false});
    t.random.Script({ScriptedRandom::For(4)});
    t.engine.timPlay_Timer();
    EXPECT_EQ(t.random.reseeds, 6);
    EXPECT_TRUE(t.state.Timer(GameTimer::timGo));
    EXPECT_FALSE(t.state.Timer(GameTimer::timPlay));
    EXPECT_EQ(t.state.Position[0], 0);

    t.engine.timGo_Timer();
    EXPECT_EQ(t.state.Position[0], 4);
    EXPECT_FALSE(t.state.Timer(GameTimer::timGo));
    EXPECT_TRUE(t.state.Timer(GameTimer::timPlay));
    EXPECT_EQ(t.state.CurrentPlayer, 1);

    t.engine.timPlay_Timer();  // a person now
    EXPECT_EQ(t.random.reseeds, 6);
}

// Go clicked between a computer's throw and its move: timGo stays on and moves the next
// computer seat with the throw that is still shown.
TEST(Ticks, TimGoLeftOnMovesTheNextComputerSeatWithTheShownThrow) {
    EngineTable t;
    t.SetComputers({true, true, false, false});
    t.random.Script({ScriptedRandom::For(3)});
    t.engine.timPlay_Timer();
    t.engine.cmdGo_Click();
    EXPECT_EQ(t.state.Position[0], 3);
    EXPECT_TRUE(t.state.Timer(GameTimer::timGo));
    EXPECT_FALSE(t.state.Timer(GameTimer::timPlay));

    t.engine.timGo_Timer();
    EXPECT_EQ(t.state.Position[1], 3);
    EXPECT_EQ(t.random.reseeds, 6) << "no new throw";
    EXPECT_EQ(t.state.CurrentPlayer, 2);
}

TEST(Ticks, AfterAWinAComputerSeatStillThrowsAndMoves) {
    EngineTable t;
    t.SetComputers({false, true, false, false});
    t.MoveFrom(97, 5);
    ASSERT_EQ(t.listener.Wins(), 1);
    t.random.Script({ScriptedRandom::For(2)});
    t.engine.timPlay_Timer();
    t.engine.timGo_Timer();
    EXPECT_EQ(t.state.Position[1], 17);
    EXPECT_EQ(t.state.CurrentPlayer, 2);
}

TEST(Blink, ShowsTheSeatBeforeAndTogglesTheSeatOnTurn) {
    struct Case {
        std::int16_t current;
        int before;
    } const cases[] = {{0, 3}, {1, 0}, {2, 1}, {3, 2}};
    for (const Case& c : cases) {
        EngineTable t;
        t.state.CurrentPlayer = c.current;
        t.state.NameLit = {{false, false, false, false}};
        t.engine.Timer1_Timer();
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(t.state.NameLit[static_cast<std::size_t>(i)], i == c.before || i == c.current)
                << "seat " << c.current << " label " << i;
        }
        t.engine.Timer1_Timer();
        EXPECT_FALSE(t.state.NameLit[static_cast<std::size_t>(c.current)]);
        EXPECT_TRUE(t.state.NameLit[static_cast<std::size_t>(c.before)]);
        EXPECT_EQ(t.listener.changes, 2) << "each blink is drawn";
    }
}

TEST(ClockRandom, DrawsStayInTheUnitRangeAndEveryFaceTurnsUp) {
    ClockRandom random;
    for (int n = 0; n < 20000; ++n) {
        const float r = random.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
    }
    GameState state;
    Engine engine(state, random);
    std::set<int> faces;
    for (int n = 0; n < 600; ++n) {
        engine.Throw();
        faces.insert(state.TossIndex);
    }
    EXPECT_EQ(faces.size(), 6u);
}

}  // namespace
}  // namespace vantry::test
