#include <gtest/gtest.h>

#include <cmath>

#include "arrangecounters.h"
#include "boardgeometry.h"
#include "enginetable.h"

namespace vantry::test {
namespace {

struct JumpCase {
    int from;
    int to;
    Cue cue;
};

class JumpRow : public ::testing::TestWithParam<JumpCase> {};

// Every ladder foot and snake head, reached by a throw from up to six squares below.
TEST_P(JumpRow, ThrowOntoTheRowPlaysItsCueAndLandsOnItsEnd) {
    const JumpCase row = GetParam();
    for (int pips = 1; pips <= 6 && row.from - pips >= 0; ++pips) {
        EngineTable t;
        t.MoveFrom(row.from - pips, pips);
        EXPECT_EQ(t.state.Position[0], row.to) << "from " << row.from - pips << " throwing " << pips;
        EXPECT_EQ(t.view.cues, (std::vector<Cue>{Cue::PicMMove, row.cue}));
        EXPECT_EQ(t.state.MoveCount[0], 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Ladders, JumpRow,
                         ::testing::Values(JumpCase{2, 17, Cue::MOH}, JumpCase{7, 27, Cue::MOH},
                                           JumpCase{15, 35, Cue::MOH}, JumpCase{42, 57, Cue::MOH},
                                           JumpCase{31, 48, Cue::MOH}, JumpCase{64, 95, Cue::MOH},
                                           JumpCase{67, 72, Cue::MOH}, JumpCase{78, 81, Cue::MOH},
                                           JumpCase{45, 65, Cue::MOH}));
INSTANTIATE_TEST_SUITE_P(Snakes, JumpRow,
                         ::testing::Values(JumpCase{23, 5, Cue::NOH}, JumpCase{47, 13, Cue::NOH},
                                           JumpCase{56, 21, Cue::NOH}, JumpCase{68, 46, Cue::NOH},
                                           JumpCase{82, 36, Cue::NOH}, JumpCase{94, 72, Cue::NOH},
                                           JumpCase{98, 61, Cue::NOH}));

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
    for (int p = 0; p <= 104; ++p) {
        const int q = SquareEffect(p);
        EXPECT_FALSE(IsLadderFoot(q) || IsSnakeHead(q)) << p;
        EXPECT_EQ(SquareEffect(q), q) << p;
    }
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
        FakeBoardView view;
        PlaceCounter(view, 2, c.position, CounterDesignHeight);
        EXPECT_EQ(view.at(2).left, c.left) << c.position;
        EXPECT_EQ(view.at(2).top, c.top) << c.position;
        EXPECT_EQ(view.at(1).left, CounterDesignLeft + CounterSpacing) << "only the named counter moves";
    }
}

}  // namespace
}  // namespace vantry::test
