#include <gtest/gtest.h>

#include "dialogs/racechart.h"

namespace vantry {

// Found by GoogleTest beside the type, for the failures' messages.
void PrintTo(const RaceSpan& s, std::ostream* os) {
    *os << "{column " << s.column << ", squares " << s.low << " to " << s.high << "}";
}

namespace test {
namespace {

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
