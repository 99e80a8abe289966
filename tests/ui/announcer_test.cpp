#include <gtest/gtest.h>

#include "../engine/enginetable.h"
#include "arrangecounters.h"
#include "board/announcer.h"
#include "qstringprinter.h"

namespace vantry::test {
namespace {

// The engine moves a counter and reports it; the report is put into words as a screen reader
// hears them.
TEST(Announcer, SaysAMoveWithItsLadderOrSnakeAndTheWin) {
    struct Case {
        int from, pips;
        bool fromStart;
        const char* said;
    } const cases[] = {
        {0, 2, false, "Bo moves from 1 to 3, ladder up to 18"},
        {17, 6, false, "Bo moves from 18 to 24, snake down to 6"},
        {0, 4, true, "Bo moves from the start to 5"},
        {97, 5, false, "Bo moves from 98 to 100"},
    };
    const Announcer::Seat bo{"Bo", true};
    for (const Case& c : cases) {
        EngineTable t;
        t.MoveFrom(c.from, c.pips);
        ASSERT_EQ(t.listener.moves.size(), 1u) << c.said;
        EXPECT_EQ(Announcer::Move(bo, t.listener.moves.back(), c.fromStart), c.said);
    }

    EngineTable t;
    t.state.MoveCount[0] = 40;
    t.MoveFrom(95, 4);
    ASSERT_EQ(t.listener.moves.size(), 1u);
    EXPECT_EQ(Announcer::Win(bo, t.listener.moves.back().moves), "Bo wins in 41 moves");
}

TEST(Announcer, SaysTurnsThrowsAndNamesAsTyped) {
    EXPECT_EQ(Announcer::Turn({"Ann", false}), "Ann's turn");
    EXPECT_EQ(Announcer::Turn({"Bo", true}), "Bo's turn, computer");
    // A name is the player's own text, never a place for the numbers that follow it.
    EXPECT_EQ(Announcer::Throw({"R%2 %1", false}, 3), "R%2 %1 throws 4");
    MoveReport move;
    move.from = 4;
    move.reached = 9;
    move.to = 9;
    EXPECT_EQ(Announcer::Move({"%3x", false}, move, false), "%3x moves from 5 to 10");
}

// Cy's counter of position 0 stands on the board, as a loaded game stands it: on square 1.
TEST(Announcer, ReadsTheWholeBoard) {
    GameState state;
    state.Names = {"Ann", "Bo", "Cy", "Dee"};
    state.IsComputer = {false, true, true, false};
    state.Position = {12, 0, 0, 44};
    PlaceCounter(state.Counters[2], 0, state.Counters[2].height);
    state.CurrentPlayer = 1;
    EXPECT_EQ(Announcer::Board(state),
              "Ann, red, person, on square 13. Bo, blue, computer, at the start. Cy, yellow, computer, on square 1. "
              "Dee, green, person, on square 45. Bo's turn, computer");
    state.Position[3] = FinalPosition;
    EXPECT_TRUE(Announcer::Board(state).endsWith("Dee has won"));
}

}  // namespace
}  // namespace vantry::test
