#include <gtest/gtest.h>

#include "arrangecounters.h"
#include "fakeboardview.h"
#include "standings.h"

namespace vantry::test {
namespace {

constexpr float X = 10028.0f;  // the place of square 1
constexpr float T = 7635.0f;
constexpr float Away = 5000.0f;

struct StackCase {
    const char* name;
    int current;
    std::array<float, 4> before;  // Left of counters 0..3, all at Top T
    std::array<float, 4> after;
};

class Stacking : public ::testing::TestWithParam<StackCase> {};

TEST_P(Stacking, FollowsTheWorkedTable) {
    const StackCase& c = GetParam();
    FakeBoardView view;
    for (int i = 0; i < 4; ++i) {
        view.at(i).left = c.before[static_cast<std::size_t>(i)];
        view.at(i).top = T;
    }
    ArrangeCounters(view, c.current);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(view.at(i).left, c.after[static_cast<std::size_t>(i)]) << "counter " << i;
        EXPECT_EQ(view.at(i).top, T) << "counter " << i;
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
    for (int c = 0; c < 4; ++c) {
        for (int i = 0; i < 4; ++i) {
            if (i == c) continue;
            FakeBoardView view;
            view.at(c).left = X;
            view.at(c).top = T;
            view.at(i).left = X;
            view.at(i).top = T;
            ArrangeCounters(view, c);
            const int low = std::min(c, i);
            const int high = std::max(c, i);
            EXPECT_EQ(view.at(low).left, X - 63.75f) << c << " meets " << i;
            EXPECT_EQ(view.at(high).left, X + 63.75f) << c << " meets " << i;
        }
    }
}

TEST(Stacking, CountersOnAnotherRowAreLeftAloneEvenWithTheSameLeft) {
    FakeBoardView view;
    for (int i = 0; i < 4; ++i) {
        view.at(i).left = X;
        view.at(i).top = T + static_cast<float>(i);
    }
    ArrangeCounters(view, 2);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(view.at(i).left, X) << i;
}

// The quarter comes from the width of the other counter, not of the current one.
TEST(Stacking, ShiftsByAQuarterOfTheOtherCountersWidth) {
    FakeBoardView view;
    view.at(0).left = X;
    view.at(0).top = T;
    view.at(0).width = 400.0f;
    view.at(1).left = X;
    view.at(1).top = T;
    view.at(1).width = 100.0f;
    ArrangeCounters(view, 0);
    EXPECT_EQ(view.at(1).left, X + 25.0f);
    EXPECT_EQ(view.at(0).left, X - 25.0f);
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
