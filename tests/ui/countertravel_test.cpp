#include <gtest/gtest.h>

#include <QWidget>

#include <cmath>

#include "arrangecounters.h"
#include "boardrig.h"
#include "board/countertravel.h"
#include "document.h"
#include "board/travelpath.h"
#include "twips.h"

namespace vantry::test {
namespace {

constexpr float Height = 615.0f;
constexpr float Width = 255.0f;
// Every move's travel is over before a computer seat's next throw, 500 ms after its move.
constexpr float LongestTravelMs = 450.0f;

bool Near(CounterPlace a, CounterPlace b) { return std::abs(a.left - b.left) < 0.5f && std::abs(a.top - b.top) < 0.5f; }

// How far `p` lies from the straight line through a and b.
float OffLine(CounterPlace p, CounterPlace a, CounterPlace b) {
    const float dx = b.left - a.left;
    const float dy = b.top - a.top;
    return std::abs(dy * (p.left - a.left) - dx * (p.top - a.top)) / std::hypot(dx, dy);
}

TEST(TravelPath, ALadderMoveHopsEachSquareThenClimbsToTheTopSquare) {
    const CounterPlace drawn = PlaceOf(0, Height);
    // A two from square 1 reaches the ladder's foot on square 3 and climbs to square 18.
    const TravelPath path = MovePath(MoveReport{0, 0, 2, 17, 1}, drawn, Width, Height);
    ASSERT_EQ(path.WaypointCount(), 3);
    EXPECT_TRUE(Near(path.Waypoint(0), drawn));
    EXPECT_TRUE(Near(path.Waypoint(1), PlaceOf(1, Height)));
    EXPECT_TRUE(Near(path.Waypoint(2), PlaceOf(2, Height)));
    EXPECT_LE(path.TotalMs(), LongestTravelMs);

    const CounterPlace top = PlaceOf(17, Height);
    const CounterPlace foot = PlaceOf(2, Height);
    // Half way up the climb the counter is half way between foot and top, on the ladder.
    const float climbStarts = path.TotalMs() - JumpMs;
    const CounterPlace half = path.At(climbStarts + JumpMs / 2.0f, top);
    EXPECT_TRUE(Near(half, CounterPlace{(foot.left + top.left) / 2.0f, (foot.top + top.top) / 2.0f}));
    EXPECT_TRUE(Near(path.At(path.TotalMs(), top), top));
}

TEST(TravelPath, ASnakeMoveOfALongThrowFitsItsTimeAndSlidesAlongTheBody) {
    // A six from square 42 reaches the snake's head on square 48 and slides to square 14.
    const MoveReport move{1, 41, 47, 13, 9};
    const TravelPath path = MovePath(move, PlaceOf(41, Height), Width, Height);
    EXPECT_LE(path.TotalMs(), LongestTravelMs);
    for (int p = 42; p <= 47; ++p) EXPECT_TRUE(Near(path.Waypoint(p - 41), PlaceOf(p, Height))) << p;

    const CounterPlace head = PlaceOf(47, Height);
    const CounterPlace tail = PlaceOf(13, Height);
    ASSERT_GT(path.WaypointCount(), 7);
    float farthest = 0.0f;
    for (int i = 7; i < path.WaypointCount(); ++i) farthest = std::max(farthest, OffLine(path.Waypoint(i), head, tail));
    // The body winds: the slide strays well away from the straight line from head to tail.
    EXPECT_GT(farthest, 3.0f * Width);
    EXPECT_TRUE(Near(path.At(path.TotalMs(), tail), tail));
}

// A board window whose counter 0 stands on `position`, with a throw of `face` scripted.
struct TravelRig {
    TravelRig(int position, int face) {
        rig.state.Position[0] = static_cast<std::int16_t>(position);
        PlaceCounter(rig.state.Counters[0], position, Height);
        rig.StandAsPlaced();  // stood there as a loaded game stands it
        rig.random.Script({ScriptedRandom::For(face)});
        rig.window->GameEngine().Throw();
        rig.window->cmdGo_Click();
    }
    CounterTravel& Travel() { return rig.window->Travel(); }
    CounterPlace Model() const { return CounterPlace{rig.state.Counters[0].left, rig.state.Counters[0].top}; }
    QRect Drawn() const { return rig.Find("picM(0)")->geometry(); }
    QRect ModelRect() const { return PixelRect(Model().left, Model().top, Width, Height); }

    BoardRig rig;
};

TEST(CounterTravel, AThrowPastTheLastSquareStopsOnIt) {
    TravelRig t(96, 6);  // square 97: a six would go three squares past 100
    ASSERT_EQ(t.rig.state.Position[0], 99);
    const CounterPlace from = PlaceOf(96, Height);
    const CounterPlace last = PlaceOf(99, Height);
    const qint64 start = t.Travel().Now();
    for (int ms = 0; ms <= 460; ms += 10) {
        t.Travel().Frame(start + ms);
        const CounterPlace at = t.Travel().Drawn(0);
        EXPECT_LE(at.top, last.top + 0.5f) << ms;  // the top row's squares, or a hop above them
        EXPECT_GE(at.top, last.top - HopRise - 0.5f) << ms;
        EXPECT_GE(at.left, std::min(from.left, last.left) - 0.5f) << ms;
        EXPECT_LE(at.left, std::max(from.left, last.left) + 0.5f) << ms;
    }
    EXPECT_FALSE(t.Travel().Travelling(0));
    EXPECT_EQ(t.Drawn(), t.ModelRect());
}

// A counter on its way that another's move meets steps aside straight from where it is drawn.
TEST(CounterTravel, ACounterMetMidWayGlidesStraightToItsSideStep) {
    TravelRig t(10, 6);  // red from square 11 to 17
    const qint64 start = t.Travel().Now();
    t.Travel().Frame(start + 120);
    const CounterPlace midway = t.Travel().Drawn(0);
    ASSERT_TRUE(t.Travel().Travelling(0));
    ASSERT_FALSE(Near(midway, t.Model()));

    t.rig.state.Position[1] = 12;  // blue's four lands beside red
    t.rig.random.Script({ScriptedRandom::For(4)});
    t.rig.window->GameEngine().Throw();
    t.rig.window->cmdGo_Click();
    const CounterPlace stepped = t.Model();
    ASSERT_FALSE(Near(stepped, PlaceOf(16, Height)));
    const qint64 retarget = t.Travel().Now();
    t.Travel().Frame(retarget);
    EXPECT_TRUE(Near(t.Travel().Drawn(0), midway));
    t.Travel().Frame(retarget + static_cast<qint64>(GlideMs / 2.0f));
    EXPECT_TRUE(Near(t.Travel().Drawn(0), CounterPlace{(midway.left + stepped.left) / 2.0f, (midway.top + stepped.top) / 2.0f}));
    t.Travel().Frame(retarget + static_cast<qint64>(GlideMs));
    EXPECT_FALSE(t.Travel().Travelling(0));
    EXPECT_EQ(t.Drawn(), t.ModelRect());
}

TEST(CounterTravel, AResetOrALoadedGamePutsTheCountersInPlaceAtOnce) {
    TravelRig t(10, 6);
    ASSERT_TRUE(t.Travel().Travelling(0));
    ASSERT_NE(t.Drawn(), t.ModelRect());
    Document document(t.rig.engine, t.rig.prompter);
    document.ResetBoard();
    EXPECT_FALSE(t.Travel().Travelling(0));
    EXPECT_EQ(t.Drawn(), t.ModelRect());

    GameSetup loaded;
    loaded.Position = {40, 0, 0, 0};
    t.rig.engine.ReplaceGame(loaded, "/tmp/loaded.vty");
    EXPECT_FALSE(t.Travel().Travelling(0));
    EXPECT_EQ(t.Drawn(), t.ModelRect());
}

}  // namespace
}  // namespace vantry::test
