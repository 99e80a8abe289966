#include <gtest/gtest.h>

#include "enginetable.h"

namespace vantry::test {
namespace {

struct TurnLog {
    std::vector<int> seats;   // the seat of each turn, in order
    std::vector<int> ticks;   // the ticks each turn took
    int totalTicks = 0;
};

// Ticks the game as the window's timers would: whichever of timPlay and timGo is on gets the
// tick, until a counter wins. Only the tick handlers drive the game.
TurnLog PlayFourComputers(EngineTable& t, int tickLimit) {
    t.SetComputers({true, true, true, true});
    TurnLog log;
    int ticksThisTurn = 0;
    while (t.listener.Wins() == 0 && log.totalTicks < tickLimit) {
        const int seat = t.state.CurrentPlayer;
        const bool play = t.state.Timer(GameTimer::timPlay);
        EXPECT_NE(play, t.state.Timer(GameTimer::timGo)) << "exactly one of the two is on";
        if (play) {
            t.engine.timPlay_Timer();
        } else {
            t.engine.timGo_Timer();
        }
        t.engine.Timer1_Timer();
        ++log.totalTicks;
        ++ticksThisTurn;
        if (t.state.CurrentPlayer != seat) {
            log.seats.push_back(seat);
            log.ticks.push_back(ticksThisTurn);
            ticksThisTurn = 0;
        }
    }
    return log;
}

void ExpectTurnsInSeatOrderTwoTicksEach(const TurnLog& log) {
    for (std::size_t n = 0; n < log.seats.size(); ++n) {
        EXPECT_EQ(log.seats[n], static_cast<int>(n % 4)) << "turn " << n;
        EXPECT_EQ(log.ticks[n], 2) << "turn " << n;
    }
}

// All sixes: 6, 12, 18, 24, 30, 36, 42 up the ladder to 57, then 63 ... 93, 99. Seat 0 gets
// there first, on its fourteenth move, in the fifty-third turn.
TEST(WholeGame, FourComputersThrowingSixesEndWithSeatZeroOnItsFourteenthMove) {
    EngineTable t;
    t.random.Script({ScriptedRandom::For(6)});
    const TurnLog log = PlayFourComputers(t, 1000);
    ASSERT_EQ(t.listener.Wins(), 1);
    EXPECT_EQ(log.seats.size(), 53u);
    EXPECT_EQ(log.totalTicks, 106);
    ExpectTurnsInSeatOrderTwoTicksEach(log);
    EXPECT_EQ(t.state.WinnerName, "Unknown1");
    EXPECT_EQ(t.state.WinnerMoves, 14);
    EXPECT_EQ(t.state.Position, (std::array<std::int16_t, 4>{{99, 93, 93, 93}}));
    EXPECT_EQ(t.state.Winner(), 0);
    const std::vector<std::string> last(t.listener.events.end() - 3, t.listener.events.end());
    EXPECT_EQ(last, (std::vector<std::string>{"move 0", "won 0", "turn 1"}));
    EXPECT_FALSE(t.state.Timer(GameTimer::Timer1));
}

TEST(WholeGame, FourComputersWithAMixedDieRunToAWinInSeatOrder) {
    EngineTable t;
    t.random.Script({ScriptedRandom::For(3), ScriptedRandom::For(1), ScriptedRandom::For(5),
                     ScriptedRandom::For(2), ScriptedRandom::For(6), ScriptedRandom::For(4),
                     ScriptedRandom::For(5)});
    const TurnLog log = PlayFourComputers(t, 10000);
    ASSERT_EQ(t.listener.Wins(), 1);
    ExpectTurnsInSeatOrderTwoTicksEach(log);
    ASSERT_FALSE(log.seats.empty());
    const int winner = log.seats.back();
    EXPECT_EQ(t.state.Position[static_cast<std::size_t>(winner)], 99);
    EXPECT_EQ(t.state.WinnerName, "Unknown" + std::to_string(winner + 1));
    for (int seat = 0; seat < 4; ++seat) {
        const auto turns = (log.seats.size() + static_cast<std::size_t>(3 - seat)) / 4;
        EXPECT_EQ(t.state.MoveCount[static_cast<std::size_t>(seat)], static_cast<std::int16_t>(turns)) << seat;
        if (seat != winner) {
            EXPECT_LT(t.state.Position[static_cast<std::size_t>(seat)], 99) << seat;
        }
    }
    EXPECT_EQ(t.state.WinnerMoves, t.state.MoveCount[static_cast<std::size_t>(winner)]);
}

}  // namespace
}  // namespace vantry::test
