#include <gtest/gtest.h>

#include <vector>

#include "arrangecounters.h"
#include "boardgeometry.h"
#include "enginetable.h"

namespace vantry::test {
namespace {

// Every row of both tables, reached by a throw from each of the six squares below its start
// that exist: the counter rests at the row's end, the row's cue follows the move's own, the
// report says which way it went, and the jump is still one move.
TEST(Jumps, AThrowOntoAJumpsStartRestsAtItsEnd) {
    struct Kind {
        const char* name;
        const Jump* rows;
        std::size_t count;
        Cue cue;
        bool ladder;
    } const kinds[] = {{"ladder", LadderTable.data(), LadderTable.size(), Cue::MOH, true},
                       {"snake", SnakeTable.data(), SnakeTable.size(), Cue::NOH, false}};
    for (const Kind& kind : kinds) {
        for (std::size_t n = 0; n < kind.count; ++n) {
            const Jump row = kind.rows[n];
            for (int pips = 1; pips <= 6 && row.from - pips >= 0; ++pips) {
                EngineTable t;
                t.MoveFrom(row.from - pips, pips);
                const std::string what = std::string(kind.name) + " from " + std::to_string(row.from) + ", thrown from " +
                                         std::to_string(row.from - pips) + " with " + std::to_string(pips);
                EXPECT_EQ(t.state.Position[0], row.to) << what;
                EXPECT_EQ(t.listener.cues, (std::vector<Cue>{Cue::PicMMove, kind.cue})) << what;
                EXPECT_EQ(t.state.MoveCount[0], 1) << what;
                ASSERT_EQ(t.listener.moves.size(), 1u) << what;
                EXPECT_EQ(t.listener.moves[0].reached, row.from) << what;
                EXPECT_EQ(t.listener.moves[0].Ladder(), kind.ladder) << what;
                EXPECT_EQ(t.listener.moves[0].Snake(), !kind.ladder) << what;
            }
        }
    }
}

// What the race needs of the two tables: ladders lead up and snakes down, both within the
// squares between the start and the goal, so that neither the start nor the goal moves anyone.
TEST(Jumps, LaddersClimbSnakesSlideAndTheStartAndGoalStayPut) {
    for (const Jump& j : LadderTable) {
        EXPECT_GT(j.to, j.from) << j.from;
        EXPECT_GT(j.from, 0) << j.from;
        EXPECT_LT(j.to, FinalPosition) << j.from;
    }
    for (const Jump& j : SnakeTable) {
        EXPECT_LT(j.to, j.from) << j.from;
        EXPECT_GT(j.to, 0) << j.from;
        EXPECT_LT(j.from, FinalPosition) << j.from;
    }
    for (int p : {0, static_cast<int>(FinalPosition)}) EXPECT_EQ(SquareEffect(p), p) << p;
}

TEST(SquareEffect, PlainSquaresStayAndEverythingFromTheGoalOnStopsThere) {
    struct Case {
        int reached;
        int result;
    } const cases[] = {{0, 0}, {1, 1}, {3, 3}, {17, 17}, {72, 72}, {93, 93}, {97, 97},
                       {99, 99}, {100, 99}, {103, 99}, {104, 99}};
    for (const Case& c : cases) EXPECT_EQ(SquareEffect(c.reached), c.result) << c.reached;
}

// The move relies on one jump at most: nothing a jump leads to is itself a foot or a head.
TEST(SquareEffect, NoJumpEndsOnAnotherJump) {
    std::vector<Jump> jumps(LadderTable.begin(), LadderTable.end());
    jumps.insert(jumps.end(), SnakeTable.begin(), SnakeTable.end());
    for (const Jump& a : jumps) {
        for (const Jump& b : jumps) EXPECT_NE(a.to, b.from) << a.from << " leads to " << b.from;
    }
    for (int p = 0; p <= 104; ++p) EXPECT_EQ(SquareEffect(SquareEffect(p)), SquareEffect(p)) << p;
}

TEST(MarkerLines, NamedTicksStandWhereTheBoardIsDrawn) {
    struct Case {
        int k;
        Line line;
    } const cases[] = {
        {0, {10680, 8040, 10680, 8280}},  {1, {9630, 8040, 9630, 8280}},  {10, {240, 8040, 240, 8280}},
        {11, {1290, 7200, 1290, 7440}},   {80, {10680, 2160, 10680, 2400}}, {81, {9630, 1320, 9630, 1560}},
        {91, {1290, 480, 1290, 720}},     {92, {2325, 480, 2325, 720}},   {93, {3360, 480, 3360, 720}},
        {94, {4410, 480, 4410, 720}},     {100, {10680, 480, 10680, 720}}, {102, {240, 7200, 240, 7440}},
        {202, {10680, 6360, 10680, 6600}}, {802, {10680, 1320, 10680, 1560}}, {902, {240, 480, 240, 720}},
    };
    for (const Case& c : cases) {
        const Line got = MarkerLine(c.k);
        EXPECT_EQ(got.x1, c.line.x1) << c.k;
        EXPECT_EQ(got.y1, c.line.y1) << c.k;
        EXPECT_EQ(got.x2, c.line.x2) << c.k;
        EXPECT_EQ(got.y2, c.line.y2) << c.k;
    }
    for (int k : {-1, 101, 103, 200, 1002}) EXPECT_FALSE(IsMarkerIndex(k)) << k;
}

// Each square lies between its two ticks, one tick-step wide, in the row's direction of play.
TEST(MarkerLines, EverySquareSpansOneStepOfItsRow) {
    for (int square = 1; square <= 100; ++square) {
        const int row = (square - 1) / 10 + 1;
        const Line before = MarkerLine(square - 1);
        const Line after = MarkerLine(square);
        const float step = row % 2 == 1 ? before.x1 - after.x1 : after.x1 - before.x1;
        EXPECT_GE(step, 1030.0f) << square;
        EXPECT_LE(step, 1055.0f) << square;
        EXPECT_EQ(after.y2, StripBottom(row)) << square;
    }
}

TEST(PlaceCounter, CentresOnTheSquareThirtyAboveTheLowerMarkerEnd) {
    struct Case {
        int position;
        float left;
        float top;
    } const cases[] = {
        {0, (10680.0f + 9630.0f) / 2 - 127, 8280.0f - 615 - 30},
        {9, 638.0f, 7635.0f},    {10, 638.0f, 6795.0f},  {19, 10028.0f, 6795.0f}, {45, 4808.0f, 4275.0f},
        {80, 10028.0f, 915.0f},  {92, 2715.5f, 75.0f},   {93, 3758.0f, 75.0f},    {99, 10028.0f, 75.0f},
    };
    for (const Case& c : cases) {
        TwipsRect counter = CounterDesignRect(2);
        PlaceCounter(counter, c.position, CounterDesignHeight);
        EXPECT_EQ(counter.left, c.left) << c.position;
        EXPECT_EQ(counter.top, c.top) << c.position;
        EXPECT_EQ(counter.width, CounterDesignWidth) << "a placed counter keeps its size";
        EXPECT_EQ(counter.height, CounterDesignHeight) << "a placed counter keeps its size";
        const CounterPlace place = PlaceOf(c.position, CounterDesignHeight);
        EXPECT_EQ(place.left, c.left) << c.position;
        EXPECT_EQ(place.top, c.top) << c.position;
    }
}

}  // namespace
}  // namespace vantry::test
