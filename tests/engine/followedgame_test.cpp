#include <gtest/gtest.h>

#include "enginetable.h"
#include "gamerecord.h"

namespace vantry::test {
namespace {

// A copy that follows the host's game: every event the host records is handed to it at once.
struct FollowingCopy : RecordFollower, SeatRequests {
    FollowingCopy() { engine.SetListener(&listener); engine.SetRequests(this); }

    void Recorded(const GameRecord& record, bool restarted) override { engine.Follow(record, restarted); }
    void AskThrow() override { asked.push_back("throw"); }
    void AskMove(int seat) override { asked.push_back("move " + std::to_string(seat)); }

    GameState state;
    RecordingListener listener;
    ScriptedRandom random;
    Engine engine{state, random};
    std::vector<std::string> asked;
};

// What a player sees of a game: the follower must show all of it as the host has it.
void ExpectSameBoard(const GameState& host, const GameState& copy, const std::string& when) {
    EXPECT_EQ(copy.Position, host.Position) << when;
    EXPECT_EQ(copy.MoveCount, host.MoveCount) << when;
    EXPECT_EQ(copy.CurrentPlayer, host.CurrentPlayer) << when;
    EXPECT_EQ(copy.ShownFace, host.ShownFace) << when;
    EXPECT_EQ(copy.FaceEnabled, host.FaceEnabled) << when;
    EXPECT_EQ(copy.CounterEnabled, host.CounterEnabled) << when;
    EXPECT_EQ(copy.GoEnabled, host.GoEnabled) << when;
    EXPECT_EQ(copy.Winner(), host.Winner()) << when;
    for (std::size_t k = 0; k < SeatCount; ++k) {
        EXPECT_EQ(copy.Counters[k].left, host.Counters[k].left) << when << ", counter " << k;
        EXPECT_EQ(copy.Counters[k].top, host.Counters[k].top) << when << ", counter " << k;
    }
    EXPECT_EQ(copy.Record, host.Record) << when;
}

// A whole game, with counters meeting on squares, ladders, snakes and the win, and then an
// opened game: the follower's board, record and cues match the host's after every move.
TEST(FollowedGame, ShowsTheHostsGameEventByEvent) {
    EngineTable host;
    FollowingCopy copy;
    host.engine.AddRecordFollower(&copy);
    host.engine.ResetBoard();
    // Pips chosen so that counters share squares (the first four land on 4 and 5 together).
    const int pips[] = {4, 4, 5, 5, 2, 6, 3, 1, 6, 6, 6, 6, 5, 4, 3, 2};
    int turn = 0;
    while (host.state.Winner() < 0 && turn < 400) {
        host.random.Script({ScriptedRandom::For(pips[turn % 16])});
        host.engine.Throw();
        host.engine.cmdGo_Click();
        ExpectSameBoard(host.state, copy.state, "after turn " + std::to_string(turn));
        if (::testing::Test::HasFailure()) return;
        ++turn;
    }
    ASSERT_GE(host.state.Winner(), 0);
    EXPECT_EQ(copy.listener.Wins(), 1);
    EXPECT_EQ(copy.state.WinnerMoves, host.state.WinnerMoves);
    EXPECT_EQ(copy.listener.events, host.listener.events);

    GameSetup near;
    near.Position = {30, 95, 2, 0};
    near.CurrentPlayer = 2;
    near.Record = host.state.Record;  // the file kept the game that led to it
    host.engine.ReplaceGame(near, "/saved/near.vty", true);
    ExpectSameBoard(host.state, copy.state, "after the opening");
}

// The follower's own throw and move go to the host and change nothing here; its computer timers
// never play a seat, since the host plays them.
TEST(FollowedGame, PassesThePlayersRequestsOnAndPlaysNoRules) {
    EngineTable host;
    FollowingCopy copy;
    host.engine.AddRecordFollower(&copy);
    host.engine.ResetBoard();
    copy.state.IsComputer.fill(true);
    const GameState before = copy.state;

    copy.engine.Throw();
    copy.engine.timPlay_Timer();
    copy.engine.cmdGo_Click();
    copy.engine.picM_Click(3);  // not the seat on turn: nothing to ask
    copy.engine.timGo_Timer();

    EXPECT_EQ(copy.asked, (std::vector<std::string>{"throw", "move 0"}));
    EXPECT_EQ(copy.state.Record, before.Record);
    EXPECT_EQ(copy.state.Position, before.Position);
    EXPECT_EQ(copy.state.ShownFace, before.ShownFace);
}

}  // namespace
}  // namespace vantry::test
