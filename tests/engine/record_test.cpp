#include <gtest/gtest.h>

#include "enginetable.h"
#include "gamerecord.h"

namespace vantry::test {
namespace {

using Kind = RecordEvent::Kind;

RecordOutcome OutcomeOf(const GameState& state) { return {state.Position, state.MoveCount, state.CurrentPlayer}; }

// A new game's record: what the engine keeps of a move onto a ladder, onto a snake and onto the
// last square, in the order the events happened, and a record that agrees with the board.
TEST(GameRecord, KeepsALadderASnakeAndAWinInOrder) {
    struct Case {
        const char* what;
        int from, pips;
        int reached, to;
    } const cases[] = {
        {"ladder", 0, 2, 2, 17},
        {"snake", 17, 6, 23, 5},
        {"win", 95, 4, 99, 99},
    };
    for (const Case& c : cases) {
        EngineTable t;
        t.engine.ResetBoard();
        t.state.MoveCount[0] = 40;
        t.MoveFrom(c.from, c.pips);
        const GameRecord& r = t.state.Record;
        const bool won = c.to == FinalPosition;
        ASSERT_EQ(r.size(), won ? 5u : 4u) << c.what;
        EXPECT_EQ(r[0].kind, Kind::NewGame) << c.what;
        EXPECT_EQ(r[1], RecordEvent::ThrowOf(0, c.pips - 1)) << c.what;
        EXPECT_EQ(r[2].kind, Kind::Move) << c.what;
        EXPECT_EQ(r[2].from, c.from) << c.what;
        EXPECT_EQ(r[2].reached, c.reached) << c.what;
        EXPECT_EQ(r[2].to, c.to) << c.what;
        EXPECT_EQ(r[2].moves, 41) << c.what;
        // The counter stood beside the board only when the move began on position 0.
        EXPECT_EQ(r[2].fromStart, c.from == 0) << c.what;
        if (won) {
            EXPECT_EQ(r[3], RecordEvent::WinOf(0, 41)) << c.what;
        }
        EXPECT_EQ(r.back(), RecordEvent::TurnOf(1)) << c.what;
        EXPECT_EQ(FinishesGame(GameRecord(r.begin(), r.end() - 1)), won) << c.what;
    }
}

// A game opened with a counter already on the last square never counts, wherever its record
// has that opening: a file may keep a record that ends on the move to the last square, with no
// win after it, before the opening of the won game.
TEST(GameRecord, NeverFinishesAGameOpenedWon) {
    EngineTable first;
    GameSetup near;
    near.Position = {95, 0, 0, 0};
    first.engine.ReplaceGame(near, "/saved/near.vty");
    first.Throw(4);
    first.engine.cmdGo_Click();
    const GameRecord toLast(first.state.Record.begin(), first.state.Record.begin() + 3);
    ASSERT_EQ(toLast.back().to, FinalPosition);
    for (const GameRecord& before : {GameRecord{}, toLast}) {
        SCOPED_TRACE(before.size());
        EngineTable o;
        GameSetup game;
        game.Position = {FinalPosition, 0, 0, 0};
        game.MoveCount = {1, 0, 0, 0};
        game.Record = before;
        ASSERT_TRUE(before.empty() || RecordLeadsTo(before, {game.Position, game.MoveCount, 0}));
        o.engine.ReplaceGame(game, "/saved/won.vty");
        o.Throw(3);
        o.engine.cmdGo_Click();
        const GameRecord& r = o.state.Record;
        ASSERT_EQ(r[r.size() - 2].kind, Kind::Win);
        EXPECT_FALSE(FinishesGame(GameRecord(r.begin(), r.end() - 1)));
    }
}

// A played game agrees with its own squares, and with no others: a record is checked against
// the 17 fields of the file it comes in.
TEST(GameRecord, LeadsOnlyToTheSquaresItsMovesReach) {
    EngineTable t;
    t.engine.ResetBoard();
    for (int pips : {2, 6, 1, 3, 5, 4, 6, 2}) {
        t.Throw(pips);
        t.engine.cmdGo_Click();
    }
    const RecordOutcome played = OutcomeOf(t.state);
    EXPECT_TRUE(RecordLeadsTo(t.state.Record, played));

    RecordOutcome moved = played;
    moved.positions[2] = static_cast<std::int16_t>(moved.positions[2] + 1);
    RecordOutcome counted = played;
    ++counted.moveCounts[0];
    RecordOutcome turned = played;
    turned.current = static_cast<std::int16_t>((turned.current + 1) % 4);
    for (const RecordOutcome& other : {moved, counted, turned}) EXPECT_FALSE(RecordLeadsTo(t.state.Record, other));

    // A move whose throw the board could not give, or that skips a turn, is not this game.
    GameRecord wrongThrow = t.state.Record;
    wrongThrow[1].face = 4;
    GameRecord skipped = t.state.Record;
    skipped.erase(skipped.begin() + 3);
    for (const GameRecord& r : {wrongThrow, skipped}) EXPECT_FALSE(RecordLeadsTo(r, played));
}

}  // namespace
}  // namespace vantry::test
