#include <gtest/gtest.h>

#include <algorithm>

#include "arrangecounters.h"
#include "boardgeometry.h"
#include "standings.h"

namespace vantry::test {
namespace {

constexpr float X = 10028.0f;  // the place of square 1
constexpr float T = 7635.0f;
constexpr float Away = 5000.0f;

using Counters = std::array<TwipsRect, 4>;

// Four counters of the board's design, all beside the board where it puts them.
Counters DesignCounters() { return {CounterDesignRect(0), CounterDesignRect(1), CounterDesignRect(2), CounterDesignRect(3)}; }

struct StackCase {
    const char* name;
    int current;
    std::array<float, 4> before;  // Left of counters 0..3, all at Top T
    std::array<float, 4> after;
};

class Stacking : public ::testing::TestWithParam<StackCase> {};

TEST_P(Stacking, FollowsTheWorkedTable) {
    const StackCase& c = GetParam();
    Counters counters = DesignCounters();
    for (std::size_t i = 0; i < 4; ++i) {
        counters[i].left = c.before[i];
        counters[i].top = T;
    }
    ArrangeCounters(counters, c.current);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(counters[i].left, c.after[i]) << "counter " << i;
        EXPECT_EQ(counters[i].top, T) << "counter " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    WorkedCases, Stacking,
    ::testing::Values(
        StackCase{"c2_meets_0", 2, {X, Away, X, Away + 2000}, {X - 63.75f, Away, X + 63.75f, Away + 2000}},
        StackCase{"c0_meets_1", 0, {X, X, Away, Away + 2000}, {X - 63.75f, X + 63.75f, Away, Away + 2000}},
        StackCase{"c3_meets_1_left_by_earlier", 3, {Away, X - 63.75f, Away + 2000, X},
                  {Away, X - 127.5f, Away + 2000, X + 63.75f}},
        StackCase{"c3_meets_0_and_1", 3, {X, X, Away, X}, {X - 63.75f, X - 63.75f, Away, X + 127.5f}},
        StackCase{"c0_meets_1_and_2", 0, {X, X, X, Away}, {X - 63.75f, X + 63.75f, X, Away}},
        StackCase{"half_width_left_is_t3", 1, {X - 127.5f, X, Away, Away + 2000},
                  {X - 191.25f, X + 63.75f, Away, Away + 2000}},
        StackCase{"to_the_right_is_no_meeting", 1, {X + 63.75f, X, X + 127.5f, Away},
                  {X + 63.75f, X, X + 127.5f, Away}},
        StackCase{"alone", 1, {Away, X, Away + 1000, Away + 2000}, {Away, X, Away + 1000, Away + 2000}}),
    [](const ::testing::TestParamInfo<StackCase>& info) { return std::string(info.param.name); });

// Any two counters on one square end up a half width apart, the lower index on the left.
TEST(Stacking, TwoOnOneSquareSitSideBySideInSeatOrder) {
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t i = 0; i < 4; ++i) {
            if (i == c) continue;
            Counters counters = DesignCounters();
            for (std::size_t k : {c, i}) {
                counters[k].left = X;
                counters[k].top = T;
            }
            ArrangeCounters(counters, static_cast<int>(c));
            EXPECT_EQ(counters[std::min(c, i)].left, X - 63.75f) << c << " meets " << i;
            EXPECT_EQ(counters[std::max(c, i)].left, X + 63.75f) << c << " meets " << i;
        }
    }
}

TEST(Stacking, CountersOnAnotherRowAreLeftAloneEvenWithTheSameLeft) {
    Counters counters = DesignCounters();
    for (std::size_t i = 0; i < 4; ++i) {
        counters[i].left = X;
        counters[i].top = T + static_cast<float>(i);
    }
    ArrangeCounters(counters, 2);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(counters[i].left, X) << i;
}

// The quarter comes from the width of the other counter, not of the current one.
TEST(Stacking, ShiftsByAQuarterOfTheOtherCountersWidth) {
    Counters counters = DesignCounters();
    counters[0] = TwipsRect{X, T, 400.0f, CounterDesignHeight};
    counters[1] = TwipsRect{X, T, 100.0f, CounterDesignHeight};
    ArrangeCounters(counters, 0);
    EXPECT_EQ(counters[1].left, X + 25.0f);
    EXPECT_EQ(counters[0].left, X - 25.0f);
}

struct StandingsCase {
    int winner;
    std::array<std::int16_t, 4> squares;  // square numbers; the winner's is ignored
    std::array<int, 3> ranks;
};

TEST(Standings, RanksBySquareAndKeepsTheWinnersOrderOnTies) {
    const StandingsCase cases[] = {
        {0, {100, 11, 6, 31}, {3, 1, 2}},  {0, {100, 7, 7, 7}, {1, 2, 3}},   {1, {7, 100, 7, 7}, {0, 2, 3}},
        {2, {7, 7, 100, 7}, {1, 0, 3}},    {3, {7, 7, 7, 100}, {1, 2, 0}},   {1, {50, 100, 60, 40}, {2, 0, 3}},
        {0, {100, 5, 5, 10}, {3, 1, 2}},   {0, {100, 10, 5, 5}, {1, 2, 3}},  {0, {100, 5, 10, 10}, {2, 3, 1}},
        {2, {10, 5, 100, 10}, {0, 3, 1}},  {3, {1, 30, 20, 100}, {1, 2, 0}}, {3, {40, 30, 20, 100}, {0, 1, 2}},
    };
    for (const StandingsCase& c : cases) {
        std::array<std::int16_t, 4> position{};
        for (std::size_t i = 0; i < 4; ++i) position[i] = static_cast<std::int16_t>(c.squares[i] - 1);
        EXPECT_EQ(Standings(c.winner, position), c.ranks)
            << "winner " << c.winner << " squares " << c.squares[0] << "," << c.squares[1] << ","
            << c.squares[2] << "," << c.squares[3];
    }
}

}  // namespace
}  // namespace vantry::test
