#include <gtest/gtest.h>

#include <limits>

#include "enginetable.h"

namespace vantry::test {
namespace {

TEST(Move, PlaysTheMoveCueThenTheLadderCueAndCountsOneMove) {
    EngineTable t;
    t.state.MoveCount[0] = 4;
    t.MoveFrom(0, 2);
    EXPECT_EQ(t.view.cues, (std::vector<Cue>{Cue::PicMMove, Cue::MOH}));
    EXPECT_EQ(t.state.Position[0], 17);
    EXPECT_EQ(t.state.MoveCount[0], 5);
    EXPECT_EQ(t.view.mediaLookups, 2) << "the throw and the move each look the media folder up";
}

TEST(Move, PlainMoveReenablesTheShownFaceAndClosesTheTurn) {
    EngineTable t;
    t.state.CurrentPlayer = 3;
    t.MoveFrom(10, 4);
    EXPECT_EQ(t.state.Position[3], 14);
    EXPECT_EQ(t.view.cues, (std::vector<Cue>{Cue::PicMMove}));
    EXPECT_TRUE(t.view.faceVisible[3]);
    EXPECT_TRUE(t.view.faceEnabled[3]);
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(t.view.at(i).enabled) << i;
    EXPECT_FALSE(t.view.goEnabled);
    EXPECT_EQ(t.state.CurrentPlayer, 0) << "the turn passes from 3 to 0";
    EXPECT_TRUE(t.view.messages.empty());
}

TEST(Move, ReportsWhereTheThrowTookTheCounterAndWhereItCameToRest) {
    struct Case {
        int from, pips, reached, to;
        const char* what;
    } const cases[] = {
        {10, 4, 14, 14, "a plain move"},
        {0, 2, 2, 17, "a ladder from its foot"},
        {20, 3, 23, 5, "a snake from its head"},
        {96, 6, 99, 99, "a throw past the last square stops on it"},
    };
    for (const Case& c : cases) {
        EngineTable t;
        t.state.CurrentPlayer = 2;
        t.state.MoveCount[2] = 7;
        t.MoveFrom(c.from, c.pips);
        ASSERT_EQ(t.view.moves.size(), 1u) << c.what;
        const MoveReport& m = t.view.moves.front();
        EXPECT_EQ(m.seat, 2) << c.what;
        EXPECT_EQ(m.from, c.from) << c.what;
        EXPECT_EQ(m.reached, c.reached) << c.what;
        EXPECT_EQ(m.to, c.to) << c.what;
        EXPECT_EQ(m.moves, 8) << c.what;
        const std::vector<std::string> order{"throw 2 " + std::to_string(c.pips - 1), "move 2", "turn 3"};
        EXPECT_EQ(t.view.events, order) << c.what;
    }
}

TEST(Move, ASixGivesNoExtraTurn) {
    EngineTable t;
    t.MoveFrom(3, 6);
    EXPECT_EQ(t.state.Position[0], 9);
    EXPECT_EQ(t.state.CurrentPlayer, 1);
}

TEST(Move, ClickOnACounterNotOnTurnOnlyClosesTheTurn) {
    EngineTable t;
    t.state.Position = {{10, 20, 30, 40}};
    t.Throw(3);
    // Counters 0 and 1 overlap where a load left them; the closing steps spread them.
    for (int i : {0, 1}) {
        t.view.at(i).left = 4000.0f;
        t.view.at(i).top = 3000.0f;
    }
    t.engine.picM_Click(2);
    EXPECT_TRUE(t.view.cues.empty());
    EXPECT_EQ(t.state.Position, (std::array<std::int16_t, 4>{{10, 20, 30, 40}}));
    EXPECT_EQ(t.state.MoveCount, (std::array<std::int16_t, 4>{}));
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(t.view.at(i).enabled) << i;
    EXPECT_FALSE(t.view.goEnabled);
    EXPECT_FALSE(t.view.faceEnabled[2]) << "no move, so the face stays disabled";
    EXPECT_EQ(t.view.at(0).left, 4000.0f - 63.75f);
    EXPECT_EQ(t.view.at(1).left, 4000.0f + 63.75f);
    EXPECT_EQ(t.state.CurrentPlayer, 1);
    EXPECT_EQ(t.view.mediaLookups, 2);
}

TEST(Move, MoveCountStopsAtTheSixteenBitCeilingAndTheMoveGoesOn) {
    struct Case {
        std::int16_t before;
        std::int16_t after;
    } const cases[] = {{32766, 32767}, {32767, 32767}};
    for (const Case& c : cases) {
        EngineTable t;
        t.state.MoveCount[0] = c.before;
        t.MoveFrom(20, 5);
        EXPECT_EQ(t.state.MoveCount[0], c.after);
        EXPECT_EQ(t.state.Position[0], 25);
        EXPECT_EQ(t.view.at(0).top, 6795.0f - 840.0f) << "the counter is still placed";
        EXPECT_EQ(t.state.CurrentPlayer, 1);
    }
    EngineTable t;
    t.state.MoveCount[0] = std::numeric_limits<std::int16_t>::max();
    t.MoveFrom(96, 3);
    EXPECT_EQ(t.state.WinnerMoves, 32767);
}

TEST(Win, EveryWayOntoTheGoalWins) {
    struct Case {
        int from;
        int pips;
    } const cases[] = {{93, 6}, {95, 4}, {95, 5}, {97, 6}, {98, 1}};
    for (const Case& c : cases) {
        EngineTable t;
        t.MoveFrom(c.from, c.pips);
        EXPECT_EQ(t.state.Position[0], 99) << c.from << "+" << c.pips;
        EXPECT_EQ(t.view.at(0).left, 10028.0f) << "between linM(99) and linM(100)";
        EXPECT_EQ(t.view.at(0).top, 75.0f);
        EXPECT_EQ(t.view.bestPlayersShown, 1);
    }
}

TEST(Win, AnnouncesTheWinnerAndTheStandingsThenOpensTheBestPlayers) {
    EngineTable t;
    t.view.names = {{"Ann", "Bart", "Robin", "Eve"}};
    t.state.Position = {{97, 10, 5, 30}};
    t.state.MoveCount[0] = 22;
    t.view.onBestPlayers = [&] { EXPECT_EQ(t.view.messages.size(), 2u) << "both messages come first"; };
    t.MoveFrom(97, 6);

    EXPECT_EQ(t.view.messages, (std::vector<std::string>{"Ann Wins!", "Ann: 100\nEve: 31\nBart: 11\nRobin: 6"}));
    EXPECT_EQ(t.view.cues, (std::vector<Cue>{Cue::PicMMove, Cue::Tashwiq}));
    EXPECT_EQ(t.state.WinnerMoves, 23) << "this move counts";
    EXPECT_EQ(t.state.WinnerName, "Ann");
    EXPECT_FALSE(t.view.TimerOn(GameTimer::Timer1));
    EXPECT_TRUE(t.view.TimerOn(GameTimer::timPlay));
    EXPECT_FALSE(t.view.faceEnabled[5]);
    EXPECT_EQ(t.view.bestPlayersShown, 1);
    EXPECT_EQ(t.state.Position[0], 99);
    EXPECT_EQ(t.state.CurrentPlayer, 1);
}

TEST(Win, StandingsUseTheWinnersOrderAndTheWinnersOwnLine) {
    EngineTable t;
    t.view.names = {{"Red", "Blue", "Yellow", "Green"}};
    t.state.CurrentPlayer = 2;
    t.state.Position = {{40, 40, 98, 40}};
    t.MoveFrom(98, 1);
    ASSERT_EQ(t.view.messages.size(), 2u);
    EXPECT_EQ(t.view.messages[0], "Yellow Wins!");
    EXPECT_EQ(t.view.messages[1], "Yellow: 100\nBlue: 41\nRed: 41\nGreen: 41");
    EXPECT_EQ(t.state.CurrentPlayer, 3);
}

TEST(Win, ACounterOnTheGoalWinsAgainWithItsNewCount) {
    EngineTable t;
    t.state.MoveCount[0] = 20;
    t.MoveFrom(99, 1);
    EXPECT_EQ(t.state.WinnerMoves, 21);
    t.state.CurrentPlayer = 0;
    t.MoveFrom(99, 4);
    EXPECT_EQ(t.state.WinnerMoves, 22);
    EXPECT_EQ(t.state.Position[0], 99);
    EXPECT_EQ(t.view.bestPlayersShown, 2);
}

TEST(Win, SpreadsTheWinnerFromACounterAlreadyOnTheGoal) {
    EngineTable t;
    t.state.CurrentPlayer = 1;
    t.view.at(0).left = 10028.0f;
    t.view.at(0).top = 75.0f;
    t.MoveFrom(96, 6);
    EXPECT_EQ(t.view.at(0).left, 10028.0f - 63.75f);
    EXPECT_EQ(t.view.at(1).left, 10028.0f + 63.75f);
}

// Ticks keep coming while the win's windows wait; none of them may start another throw or move.
TEST(Win, TicksDuringTheWinWindowsDoNothing) {
    EngineTable t;
    t.SetComputers({true, true, true, true});
    t.state.Position[0] = 97;
    t.random.Script({ScriptedRandom::For(6)});
    t.engine.timPlay_Timer();
    int reentered = 0;
    bool ticking = false;  // without the guard a tick would win again and recurse for ever
    auto tickBoth = [&] {
        if (ticking) return;
        ticking = true;
        ++reentered;
        EXPECT_TRUE(t.engine.MoveInProgress());
        const int reseeds = t.random.reseeds;
        const auto log = t.view.timerLog.size();
        t.engine.timPlay_Timer();
        t.engine.timGo_Timer();
        t.engine.timPlay_Timer();
        EXPECT_EQ(t.random.reseeds, reseeds);
        EXPECT_EQ(t.view.timerLog.size(), log);
        EXPECT_EQ(t.state.CurrentPlayer, 0);
        EXPECT_EQ(t.state.MoveCount[0], 1);
        ticking = false;
    };
    t.view.onMessage = [&](const std::string&) { tickBoth(); };
    t.view.onBestPlayers = tickBoth;
    t.engine.timGo_Timer();

    EXPECT_EQ(reentered, 3);
    EXPECT_FALSE(t.engine.MoveInProgress());
    EXPECT_EQ(t.view.bestPlayersShown, 1);
    EXPECT_EQ(t.state.MoveCount, (std::array<std::int16_t, 4>{{1, 0, 0, 0}}));
    EXPECT_EQ(t.state.CurrentPlayer, 1);
    EXPECT_TRUE(t.view.TimerOn(GameTimer::timPlay));
    EXPECT_FALSE(t.view.TimerOn(GameTimer::timGo));
}

// A reset or a load from inside the best-players window leaves the new game's turn alone.
TEST(Win, AGameReplacedDuringTheWinKeepsItsOwnTurnAndCounters) {
    struct Case {
        const char* name;
        std::int16_t newCurrent;
        std::array<std::int16_t, 4> newPosition;
    } const cases[] = {{"reset", 0, {}}, {"load", 3, {{12, 20, 3, 12}}}};
    for (const Case& c : cases) {
        EngineTable t;
        t.state.CurrentPlayer = 2;
        t.view.onBestPlayers = [&] {
            t.state.CurrentPlayer = c.newCurrent;
            t.state.Position = c.newPosition;
            t.state.MoveCount = {};
            for (int i = 0; i < 4; ++i) {
                t.view.at(i).left = 4000.0f;  // a load draws counters on one square over each other
                t.view.at(i).top = 7635.0f;
            }
            t.state.GameReplaced();
        };
        t.MoveFrom(96, 3);
        EXPECT_EQ(t.state.CurrentPlayer, c.newCurrent) << c.name;
        EXPECT_EQ(t.state.Position, c.newPosition) << c.name;
        for (int i = 0; i < 4; ++i) EXPECT_EQ(t.view.at(i).left, 4000.0f) << c.name << " counter " << i;
        EXPECT_FALSE(t.view.goEnabled) << c.name;
    }
}

}  // namespace
}  // namespace vantry::test
