#include <gtest/gtest.h>

#include <algorithm>

#include "racepoints.h"

namespace vantry {

// Found by GoogleTest beside the type, for the failures' messages.
void PrintTo(const RacePoint& p, std::ostream* os) { *os << "{move " << p.move << ", square " << p.square << "}"; }
void PrintTo(const RaceSpan& s, std::ostream* os) {
    *os << "{column " << s.column << ", squares " << s.low << " to " << s.high << "}";
}

namespace test {
namespace {

// While each move has a column of its own, the line has every corner, a ladder's or a snake's
// two included, also when another seat's longer race sets the foot.
TEST(RacePoints, AShortRaceKeepsEveryCorner) {
    const SeatRace race{0, {{4, 4}, {6, 14}, {17, 7}}};
    const std::vector<RacePoint> all{{0, 0}, {1, 4}, {2, 6}, {2, 14}, {3, 17}, {3, 7}};
    struct Case {
        std::size_t longest;
        int columns;
    } const cases[] = {{3, 3}, {3, 400}, {5, 5}};
    for (const Case& c : cases) {
        EXPECT_EQ(RacePoints(race, c.longest, c.columns), all) << c.longest << " moves over " << c.columns;
    }
}

// A race far longer than the chart is wide is drawn with a few corners a column, yet starts
// where the seat started, ends on its last square, and still shows its one ladder to the top
// and its one snake to the foot among thousands of moves.
TEST(RacePoints, ALongRaceIsCutToTheColumnsButKeepsItsStartJumpsAndEnd) {
    constexpr std::size_t Moves = 30000;
    constexpr int Columns = 420;
    SeatRace race{12, {}};
    for (std::size_t m = 1; m <= Moves; ++m) {
        const int square = 20 + static_cast<int>(m * 7 % 40);
        race.steps.push_back({square, square});
    }
    race.steps[12344] = {30, 96};
    race.steps[20000] = {41, 3};
    race.steps.back() = {58, 61};

    const std::vector<RacePoint> points = RacePoints(race, Moves, Columns);
    EXPECT_LE(points.size(), 4u * (Columns + 1));
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front(), (RacePoint{0, 12}));
    EXPECT_EQ(points.back(), (RacePoint{Moves, 61}));
    EXPECT_NE(std::find(points.begin(), points.end(), RacePoint{12345, 96}), points.end());
    EXPECT_NE(std::find(points.begin(), points.end(), RacePoint{20001, 3}), points.end());
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end(),
                               [](const RacePoint& a, const RacePoint& b) { return a.move < b.move; }));
}

// The band a long race is drawn as has one span for each column, left to right, from the lowest
// square the seat stood on there to the highest: the ladder reaches the top in its column and the
// snake the foot in its own, and the columns between keep the squares of their moves only.
TEST(RaceSpans, ALongRaceHasOneSpanAColumnFromItsLowestToItsHighestSquare) {
    constexpr std::size_t Moves = 30000;
    constexpr int Columns = 400;
    SeatRace race{12, {}};
    for (std::size_t m = 1; m <= Moves; ++m) race.steps.push_back({40, 50});
    race.steps[12344] = {30, 96};
    race.steps[20000] = {41, 3};

    const std::vector<RaceSpan> spans = RaceSpans(race, Moves, Columns);
    ASSERT_EQ(spans.size(), Columns + 1u);
    for (std::size_t c = 0; c < spans.size(); ++c) EXPECT_EQ(spans[c].column, c);
    EXPECT_EQ(spans.front(), (RaceSpan{0, 12, 50}));
    EXPECT_EQ(spans[1], (RaceSpan{1, 40, 50}));
    EXPECT_EQ(spans[12345 * Columns / Moves], (RaceSpan{12345 * Columns / Moves, 30, 96}));
    EXPECT_EQ(spans[20001 * Columns / Moves], (RaceSpan{20001 * Columns / Moves, 3, 50}));
    EXPECT_EQ(spans.back(), (RaceSpan{Columns, 40, 50}));
}

}  // namespace
}  // namespace test
}  // namespace vantry
