#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "arrangecounters.h"
#include "enginetable.h"
#include "standings.h"

namespace vantry::test {
namespace {

// Each cue is its own event, so the board looks the media folder up for the throw's cue and
// for each of the move's.
TEST(Move, PlaysTheMoveCueThenTheLadderCueAndCountsOneMove) {
    EngineTable t;
    t.state.MoveCount[0] = 4;
    t.random.Script({ScriptedRandom::For(2)});
    t.engine.Throw();
    t.engine.cmdGo_Click();
    EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::TossClick, Cue::PicMMove, Cue::MOH}));
    EXPECT_EQ(t.state.Position[0], 17);
    EXPECT_EQ(t.state.MoveCount[0], 5);
}

TEST(Move, PlainMoveReenablesTheShownFaceAndClosesTheTurn) {
    EngineTable t;
    t.state.CurrentPlayer = 3;
    t.MoveFrom(10, 4);
    EXPECT_EQ(t.state.Position[3], 14);
    EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::PicMMove}));
    EXPECT_EQ(t.state.ShownFace, 3);
    EXPECT_TRUE(t.state.FaceEnabled);
    EXPECT_EQ(t.state.CounterEnabled, (std::array<bool, 4>{}));
    EXPECT_FALSE(t.state.GoEnabled);
    EXPECT_EQ(t.state.CurrentPlayer, 0) << "the turn passes from 3 to 0";
    EXPECT_EQ(t.listener.Wins(), 0);
    EXPECT_TRUE(t.state.WinnerName.empty());
    EXPECT_EQ(t.state.TurnPhase(), Phase::AwaitingThrow);
}

// Also hands each move report to `onMoved` as it is told.
struct WatchingListener : RecordingListener {
    std::function<void(const MoveReport&)> onMoved;
    void Moved(const MoveReport& m) override {
        RecordingListener::Moved(m);
        if (onMoved) onMoved(m);
    }
};

// The move's event carries where the counter set off, where the throw took it and where it came
// to rest, and its final place, which the state has already; a first move is told as one from
// beside the board.
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
        WatchingListener watching;
        t.engine.SetListener(&watching);
        t.state.CurrentPlayer = 2;
        t.state.MoveCount[2] = 7;
        const TwipsRect before = t.state.Counters[2];
        int told = 0;
        watching.onMoved = [&](const MoveReport&) {
            ++told;
            const RecordEvent& e = watching.last;
            EXPECT_EQ(e.fromStart, c.from == 0) << c.what;
            EXPECT_EQ(e.placed, 1u << 2) << c.what << ": only the mover, nobody stood in its way";
            EXPECT_EQ(e.places[2].left, t.state.Counters[2].left) << c.what;
            EXPECT_EQ(e.places[2].top, t.state.Counters[2].top) << c.what;
            EXPECT_NE(e.places[2].top, before.top) << c.what;
        };
        t.MoveFrom(c.from, c.pips);

        ASSERT_EQ(watching.moves.size(), 1u) << c.what;
        EXPECT_EQ(told, 1) << c.what;
        const MoveReport& m = watching.moves.front();
        EXPECT_EQ(m.seat, 2) << c.what;
        EXPECT_EQ(m.from, c.from) << c.what;
        EXPECT_EQ(m.reached, c.reached) << c.what;
        EXPECT_EQ(m.to, c.to) << c.what;
        EXPECT_EQ(m.moves, 8) << c.what;
        std::vector<std::string> order{"throw 2 " + std::to_string(c.pips - 1), "move 2", "turn 3"};
        if (c.to == FinalPosition) order.insert(order.begin() + 2, "won 2");
        EXPECT_EQ(watching.events, order) << c.what;
        const CounterPlace placed = PlaceOf(c.to, CounterDesignHeight);
        EXPECT_EQ(t.state.Counters[2].left, placed.left) << c.what << ": placed once told";
        EXPECT_EQ(t.state.Counters[2].top, placed.top) << c.what << ": placed once told";
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
    for (std::size_t i : {0u, 1u}) {
        t.state.Counters[i].left = 4000.0f;
        t.state.Counters[i].top = 3000.0f;
    }
    t.listener.events.clear();
    t.engine.picM_Click(2);
    EXPECT_TRUE(t.listener.cues.empty());
    EXPECT_TRUE(t.listener.moves.empty());
    EXPECT_EQ(t.listener.events, (std::vector<std::string>{"turn 1"}));
    EXPECT_EQ(t.state.Position, (std::array<std::int16_t, 4>{{10, 20, 30, 40}}));
    EXPECT_EQ(t.state.MoveCount, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(t.state.CounterEnabled, (std::array<bool, 4>{}));
    EXPECT_FALSE(t.state.GoEnabled);
    EXPECT_EQ(t.state.ShownFace, 2);
    EXPECT_FALSE(t.state.FaceEnabled) << "no move, so the face stays disabled";
    EXPECT_EQ(t.state.Counters[0].left, 4000.0f - 63.75f);
    EXPECT_EQ(t.state.Counters[1].left, 4000.0f + 63.75f);
    EXPECT_EQ(t.state.CurrentPlayer, 1);
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
        EXPECT_EQ(t.state.Counters[0].top, 6795.0f - 840.0f) << "the counter is still placed";
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
        EXPECT_EQ(t.state.Counters[0].left, 10028.0f) << "between linM(99) and linM(100)";
        EXPECT_EQ(t.state.Counters[0].top, 75.0f);
        EXPECT_EQ(t.listener.Wins(), 1);
        EXPECT_EQ(t.state.Winner(), 0);
    }
}

// The board opens the win's two messages and then the best-players window from Won; by then
// everything they show is in the state, and the turn has not passed yet.
TEST(Win, TheStateReadsAsWonWhenTheWinIsToldAndTheTurnPassesAfter) {
    EngineTable t;
    t.state.Names = {{"Ann", "Bart", "Robin", "Eve"}};
    t.state.Position = {{97, 10, 5, 30}};
    t.state.MoveCount[0] = 22;
    int told = 0;
    t.listener.onWon = [&](int seat) {
        ++told;
        EXPECT_EQ(seat, 0);
        EXPECT_EQ(t.state.WinnerName, "Ann");
        EXPECT_EQ(t.state.WinnerMoves, 23) << "this move counts";
        EXPECT_EQ(t.state.Position, (std::array<std::int16_t, 4>{{99, 10, 5, 30}}));
        // Ann 100, then Eve 31, Bart 11 and Robin 6.
        EXPECT_EQ(Standings(seat, t.state.Position), (std::array<int, 3>{{3, 1, 2}}));
        EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::PicMMove, Cue::Tashwiq})) << "the fanfare comes first";
        EXPECT_FALSE(t.state.Timer(GameTimer::Timer1));
        EXPECT_FALSE(t.state.FaceEnabled);
        EXPECT_EQ(t.state.TurnPhase(), Phase::Won);
        EXPECT_EQ(t.state.CurrentPlayer, 0);
        EXPECT_TRUE(t.engine.MoveInProgress());
    };
    t.MoveFrom(97, 6);

    EXPECT_EQ(told, 1);
    EXPECT_EQ(t.listener.events, (std::vector<std::string>{"throw 0 5", "move 0", "won 0", "turn 1"}));
    EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::PicMMove, Cue::Tashwiq}));
    EXPECT_FALSE(t.state.Timer(GameTimer::Timer1));
    EXPECT_TRUE(t.state.Timer(GameTimer::timPlay));
    EXPECT_EQ(t.state.ShownFace, 5);
    EXPECT_FALSE(t.state.FaceEnabled);
    EXPECT_EQ(t.state.Position[0], 99);
    EXPECT_EQ(t.state.CurrentPlayer, 1);
    EXPECT_FALSE(t.engine.MoveInProgress());
}

TEST(Win, StandingsUseTheWinnersOrderOnTies) {
    EngineTable t;
    t.state.Names = {{"Red", "Blue", "Yellow", "Green"}};
    t.state.CurrentPlayer = 2;
    t.state.Position = {{40, 40, 98, 40}};
    std::array<int, 3> ranks{};
    t.listener.onWon = [&](int seat) { ranks = Standings(seat, t.state.Position); };
    t.MoveFrom(98, 1);
    ASSERT_EQ(t.listener.Wins(), 1);
    EXPECT_EQ(t.state.WinnerName, "Yellow");
    EXPECT_EQ(ranks, (std::array<int, 3>{{1, 0, 3}})) << "Blue, Red, Green, all on 41";
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
    EXPECT_EQ(t.listener.Wins(), 2);
}

TEST(Win, SpreadsTheWinnerFromACounterAlreadyOnTheGoal) {
    EngineTable t;
    t.state.CurrentPlayer = 1;
    t.state.Counters[0].left = 10028.0f;
    t.state.Counters[0].top = 75.0f;
    t.MoveFrom(96, 6);
    EXPECT_EQ(t.state.Counters[0].left, 10028.0f - 63.75f);
    EXPECT_EQ(t.state.Counters[1].left, 10028.0f + 63.75f);
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
    t.listener.onWon = [&](int) {
        if (ticking) return;
        ticking = true;
        ++reentered;
        EXPECT_TRUE(t.engine.MoveInProgress());
        const int reseeds = t.random.reseeds;
        const auto timers = t.state.TimerOn;
        const auto events = t.listener.events;
        const int changes = t.listener.changes;
        t.engine.timPlay_Timer();
        t.engine.timGo_Timer();
        t.engine.timPlay_Timer();
        EXPECT_EQ(t.random.reseeds, reseeds);
        EXPECT_EQ(t.state.TimerOn, timers);
        EXPECT_EQ(t.listener.events, events);
        EXPECT_EQ(t.listener.changes, changes);
        EXPECT_EQ(t.state.CurrentPlayer, 0);
        EXPECT_EQ(t.state.MoveCount[0], 1);
        ticking = false;
    };
    t.engine.timGo_Timer();

    EXPECT_EQ(reentered, 1);
    EXPECT_FALSE(t.engine.MoveInProgress());
    EXPECT_EQ(t.listener.Wins(), 1);
    EXPECT_EQ(t.state.MoveCount, (std::array<std::int16_t, 4>{{1, 0, 0, 0}}));
    EXPECT_EQ(t.state.CurrentPlayer, 1);
    EXPECT_TRUE(t.state.Timer(GameTimer::timPlay));
    EXPECT_FALSE(t.state.Timer(GameTimer::timGo));
}

// A reset or a load from inside the best-players window leaves the new game's turn alone, and
// a load leaves counters sharing a square over each other.
TEST(Win, AGameReplacedDuringTheWinKeepsItsOwnTurnAndCounters) {
    GameSetup loaded;
    loaded.CurrentPlayer = 3;
    loaded.Position = {{12, 20, 3, 12}};
    loaded.Names = {{"A", "B", "C", "D"}};
    struct Case {
        const char* name;
        bool load;
        std::int16_t current;
        std::array<std::int16_t, 4> position;
    } const cases[] = {{"reset", false, 0, {}}, {"load", true, 3, loaded.Position}};
    for (const Case& c : cases) {
        EngineTable t;
        t.state.CurrentPlayer = 2;
        t.listener.onWon = [&](int) {
            if (c.load) {
                t.engine.ReplaceGame(loaded, "/games/saved.sav");
            } else {
                t.engine.ResetBoard();
            }
        };
        t.MoveFrom(96, 3);
        EXPECT_EQ(t.state.CurrentPlayer, c.current) << c.name;
        EXPECT_EQ(t.state.Position, c.position) << c.name;
        EXPECT_EQ(t.state.MoveCount, (std::array<std::int16_t, 4>{})) << c.name;
        EXPECT_EQ(t.listener.events.back(), "replaced") << c.name << ": no turn passes after the new game";
        for (std::size_t i = 0; i < 4; ++i) {
            const float left = c.load ? PlaceOf(c.position[i], CounterDesignHeight).left
                                      : CounterStartLeft + CounterSpacing * static_cast<float>(i);
            EXPECT_EQ(t.state.Counters[i].left, left) << c.name << " counter " << i;
        }
        EXPECT_EQ(t.state.CounterEnabled, (std::array<bool, 4>{})) << c.name;
        EXPECT_FALSE(t.state.GoEnabled) << c.name;
        EXPECT_FALSE(t.engine.MoveInProgress()) << c.name;
    }
}

}  // namespace
}  // namespace vantry::test
